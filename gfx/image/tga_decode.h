// Truevision TGA decoding shared by the library's image loader and the demo's texture reader.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "gfx/image/decoded_image.h"

// Decodes width * height pixels of bytes_per_pixel (3 or 4) bytes from the current position of
// file: stored as they are (rle false) or as run-length packets (rle true). The result is a new
// buffer of R G B (A) pixels in file row order, in *pixels, of *size bytes. Bytes past the end of
// the file leave zeros; a packet that runs past the last pixel, or a size the file cannot hold,
// fails with *pixels untouched. The file stays open.
bool tga_decode_pixels(std::FILE* file, int width, int height, int bytes_per_pixel, bool rle,
                       uint8_t** pixels, std::size_t* size);

// Decodes a true-colour TGA file of type 2 or 10 with 24 or 32 bits, skipping an image ID and a
// colour map, and turns it upright and unmirrored by its image descriptor: the result's rows run
// top down. False, with image untouched, for anything else.
bool tga_decode_file(const char* path, DecodedImage* image);
