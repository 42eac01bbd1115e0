// Truevision TGA decoding: pixel bodies, stored or run-length encoded, and whole files.
#include "gfx/image/tga_decode.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "gfx/image/image_size.h"

namespace {

constexpr int TGA_HEADER_SIZE = 18;
constexpr uint8_t TGA_RIGHT_TO_LEFT = 0x10; // image descriptor: columns stored right to left
constexpr uint8_t TGA_TOP_DOWN = 0x20;      // image descriptor: rows stored top down

// Stores one file pixel (B G R [A]) as R G B [A] at dest.
void store_pixel(uint8_t* dest, const uint8_t* file_pixel, int bytes_per_pixel) {
    dest[0] = file_pixel[2];
    dest[1] = file_pixel[1];
    dest[2] = file_pixel[0];
    if (bytes_per_pixel == 4) {
        dest[3] = file_pixel[3];
    }
}

// Reads the pixels as stored and swaps blue and red; bytes past the file's end stay zero.
void decode_stored(std::FILE* file, uint8_t* pixels, std::size_t size, int bytes_per_pixel) {
    const std::size_t got = std::fread(pixels, 1, size, file);
    std::memset(pixels + got, 0, size - got);
    for (std::size_t at = 0; at < size; at += static_cast<std::size_t>(bytes_per_pixel)) {
        std::swap(pixels[at], pixels[at + 2]);
    }
}

// Expands raw and run packets, at least one; false when a packet runs past the last pixel.
// Pixels the file ends before stay zero.
bool decode_rle(std::FILE* file, uint8_t* pixels, std::size_t size, int bytes_per_pixel) {
    const std::size_t pixel_count = size / static_cast<std::size_t>(bytes_per_pixel);
    std::size_t current_pixel = 0;
    uint8_t scratch[4];
    do {
        const int header = std::fgetc(file);
        if (header == EOF) {
            break;
        }
        const bool run = header >= 128;
        const int count = run ? header - 127 : header + 1;
        for (int i = 0; i < count; ++i) {
            if (!run || i == 0) {
                std::memset(scratch, 0, sizeof scratch);
                static_cast<void>(
                    std::fread(scratch, 1, static_cast<std::size_t>(bytes_per_pixel), file));
            }
            if (current_pixel >= pixel_count) {
                return false;
            }
            store_pixel(pixels + current_pixel * static_cast<std::size_t>(bytes_per_pixel), scratch,
                        bytes_per_pixel);
            ++current_pixel;
        }
    } while (current_pixel < pixel_count);
    return true;
}

// Checks the size against memory and the file, then decodes width * height pixels of
// bytes_per_pixel bytes from the current position of file into a new zeroed buffer, stored as they
// are or as run-length packets. False, with *pixels untouched, when the size does not fit or a
// packet runs past the last pixel.
bool decode_pixels(std::FILE* file, int width, int height, int bytes_per_pixel, bool rle,
                   uint8_t** pixels) {
    std::size_t image_size = 0;
    if (!image_byte_count(width, height, bytes_per_pixel, bytes_left_in_file(file), &image_size)) {
        return false;
    }
    uint8_t* buffer = static_cast<uint8_t*>(std::calloc(image_size, 1));
    if (buffer == nullptr) {
        return false;
    }
    if (rle) {
        if (!decode_rle(file, buffer, image_size, bytes_per_pixel)) {
            std::free(buffer);
            return false;
        }
    } else {
        decode_stored(file, buffer, image_size, bytes_per_pixel);
    }
    *pixels = buffer;
    return true;
}

} // namespace

// Reads the 18-byte header, skips the image ID and any colour map, and decodes the body.
bool tga_decode_file(const char* path, DecodedImage* image) {
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        return false;
    }
    uint8_t h[TGA_HEADER_SIZE] = {};
    bool ok = std::fread(h, 1, sizeof h, file) == sizeof h;
    const int id_length = h[0];
    const int map_type = h[1];
    const int type = h[2];
    const long map_bytes = static_cast<long>(h[5] | (h[6] << 8)) * ((h[7] + 7) / 8);
    const int width = h[12] | (h[13] << 8);
    const int height = h[14] | (h[15] << 8);
    const int bits = h[16];
    const uint8_t descriptor = h[17];
    ok = ok && (type == 2 || type == 10) && map_type <= 1 && (bits == 24 || bits == 32) &&
         std::fseek(file, TGA_HEADER_SIZE + id_length + (map_type ? map_bytes : 0), SEEK_SET) == 0;
    uint8_t* pixels = nullptr;
    ok = ok && decode_pixels(file, width, height, bits / 8, type == 10, &pixels);
    std::fclose(file);
    if (!ok) {
        return false;
    }
    image->width = width;
    image->height = height;
    image->file_kind = GFX_FILE_TGA;
    image->file_bits = bits;
    image->channels = bits / 8;
    image->run_length = type == 10;
    image->top_down = (descriptor & TGA_TOP_DOWN) != 0;
    image->right_to_left = (descriptor & TGA_RIGHT_TO_LEFT) != 0;
    image->has_alpha = bits == 32;
    image->pixels = pixels;
    return true;
}
