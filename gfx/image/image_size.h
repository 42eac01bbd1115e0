// How big a decoded image may be, given the file it comes from.
#pragma once

#include <cstddef>
#include <cstdio>

// The most pixels one file byte can stand for: a TGA run packet of 1 + 3 bytes repeats 128 pixels.
constexpr std::size_t MAX_PIXELS_PER_FILE_BYTE = 128;

// The number of bytes from the current position of file to its end (0 when unknown).
std::size_t bytes_left_in_file(std::FILE* file);

// Computes width * height * bytes_per_pixel into *byte_count. False when a dimension is not
// positive, the count does not fit in memory, or a file with bytes_left bytes still to read cannot
// describe that many pixels.
bool image_byte_count(long long width, long long height, int bytes_per_pixel,
                      std::size_t bytes_left, std::size_t* byte_count);

// Computes the bytes of one stored row of width pixels of bits_per_pixel bits, padded to a
// multiple of 4 bytes, into *row_bytes. False when width or bits_per_pixel is not positive or the
// row does not fit in memory (the bound image_byte_count uses).
bool padded_row_bytes(long long width, int bits_per_pixel, std::size_t* row_bytes);
