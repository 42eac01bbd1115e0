// Colours as the pixels of an image of a given depth hold them.
#pragma once

#include <cstdint>

// A drawing colour (palette index at 8 bits or less, 0x00RRGGBB above) as a pixel of depth:
// masked to the depth, packed 5-6-5 at 16 bits, unchanged at 32 bits.
inline uint32_t image_native_colour(int depth, uint32_t colour) {
    if (depth <= 8) {
        return colour & ((1u << depth) - 1);
    }
    if (depth == 16) {
        return ((colour >> 8) & 0xF800) | ((colour >> 5) & 0x7E0) | ((colour >> 3) & 0x1F);
    }
    return colour;
}

// A 5-6-5 pixel as 0x00RRGGBB, each field widened by repeating its top bits.
inline uint32_t image_565_to_rgb(uint32_t p) {
    const uint32_t r = (p >> 11) & 0x1F;
    const uint32_t g = (p >> 5) & 0x3F;
    const uint32_t b = p & 0x1F;
    return ((r << 3 | r >> 2) << 16) | ((g << 2 | g >> 4) << 8) | (b << 3 | b >> 2);
}
