// An image file decoded into memory, before anything converts it for a screen or a texture.
#pragma once

#include <cstdint>

// The pixels of one decoded file, rows in the order the file stores them.
struct DecodedImage {
    int32_t width;
    int32_t height;
    int file_bits;   // bits per pixel as stored in the file: 8, 24 or 32
    int channels;    // bytes per decoded pixel: 1 (palette index), 3 (R G B) or 4 (R G B A)
    bool top_down;   // the first row of `pixels` is the top of the picture
    bool has_alpha;  // a 32-bit file that carries alpha (otherwise the fourth channel is 255)
    uint8_t* pixels; // width * height * channels bytes from malloc, owned by the caller
    uint8_t palette[256][4]; // with one channel: blue, green, red, unused per index
};
