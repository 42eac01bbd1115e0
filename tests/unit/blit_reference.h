// A plain reference conversion for the blitter tests, written from the pixel format tables: read
// a source pixel's channels, then lay them out in a display format.
#pragma once

#include <cstdint>

struct ReferenceRgb {
    uint32_t r, g, b;
};

// The 8-bit channels of one framebuffer pixel: a palette entry 0x00BBGGRR for paletted sources,
// RGB565 widened by shifting left for 16-bit, 0xXXRRGGBB for 32-bit.
inline ReferenceRgb reference_source(int depth, const uint8_t* px, const uint32_t* palette) {
    if (depth == 8) {
        const uint32_t e = palette[px[0]];
        return {e & 0xFF, (e >> 8) & 0xFF, (e >> 16) & 0xFF};
    }
    if (depth == 16) {
        const uint32_t s = px[0] | px[1] << 8;
        return {(s >> 11) << 3, ((s >> 5) & 0x3F) << 2, (s & 0x1F) << 3};
    }
    return {px[2], px[1], px[0]};
}

// Bytes per display pixel.
inline int reference_bytes(int display_depth) {
    return display_depth == 15 ? 2 : display_depth / 8;
}

// Writes one display pixel of `display_depth` bits (15, 16, 24, 32) in memory order.
inline void reference_display(uint8_t* out, ReferenceRgb c, int display_depth, bool red_low) {
    const uint32_t top = red_low ? c.b : c.r;
    const uint32_t bottom = red_low ? c.r : c.b;
    uint32_t word = 0;
    switch (display_depth) {
    case 15:
        word = (top >> 3) << 10 | (c.g >> 3) << 5 | bottom >> 3;
        break;
    case 16:
        word = (top >> 3) << 11 | (c.g >> 2) << 5 | bottom >> 3;
        break;
    default:
        word = top << 16 | c.g << 8 | bottom;
        break;
    }
    for (int i = 0; i < reference_bytes(display_depth); ++i) {
        out[i] = static_cast<uint8_t>(word >> (8 * i));
    }
}

// The bits of display byte `i` that the format specifies (bit 15 of a 15-bit pixel and the top
// byte of a 32-bit pixel are not).
inline uint8_t reference_mask(int display_depth, int i) {
    if (display_depth == 15 && i == 1) {
        return 0x7F;
    }
    if (display_depth == 32 && i == 3) {
        return 0x00;
    }
    return 0xFF;
}
