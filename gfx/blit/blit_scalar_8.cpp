// Scalar members for paletted framebuffers.
#include "gfx/blit/blit_palette.h"
#include "gfx/blit/blit_pixel.h"
#include "gfx/blit/blit_scalar_rows.h"
#include "gfx/blit/blitter.h"

// Two 16-bit display pixels per 32-bit store, first pixel in the low half; an odd last pixel
// is stored on its own.
void row_lut_to_16(uint8_t* dst, const uint8_t* src, int count, const uint32_t* table) {
    int x = 0;
    for (; x + 2 <= count; x += 2) {
        store_32(dst + 2 * x, (table[src[x]] & 0xFFFF) | table[src[x + 1]] << 16);
    }
    if (x < count) {
        store_16(dst + 2 * x, table[src[x]]);
    }
}

// Three bytes per pixel.
void row_lut_to_24(uint8_t* dst, const uint8_t* src, int count, const uint32_t* table) {
    for (int x = 0; x < count; ++x) {
        store_24(dst + 3 * x, table[src[x]]);
    }
}

// One 32-bit word per pixel.
void row_lut_to_32(uint8_t* dst, const uint8_t* src, int count, const uint32_t* table) {
    for (int x = 0; x < count; ++x) {
        store_32(dst + 4 * x, table[src[x]]);
    }
}

// Paletted framebuffer to a 15-bit red-high display.
void blit_8_to_15(uint8_t* dest, int32_t pitch) {
    blit_paletted_rows(dest, pitch, entry_to_15, row_lut_to_16);
}

// Paletted framebuffer to a 15-bit red-low display.
void blit_8_to_15_redlow(uint8_t* dest, int32_t pitch) {
    blit_paletted_rows(dest, pitch, entry_to_15_redlow, row_lut_to_16);
}

// Paletted framebuffer to a 16-bit red-high display.
void blit_8_to_16(uint8_t* dest, int32_t pitch) {
    blit_paletted_rows(dest, pitch, entry_to_16, row_lut_to_16);
}

// Paletted framebuffer to a 16-bit red-low display.
void blit_8_to_16_redlow(uint8_t* dest, int32_t pitch) {
    blit_paletted_rows(dest, pitch, entry_to_16_redlow, row_lut_to_16);
}

// Paletted framebuffer to a 24-bit display, bytes B, G, R.
void blit_8_to_24(uint8_t* dest, int32_t pitch) {
    blit_paletted_rows(dest, pitch, entry_to_32, row_lut_to_24);
}

// Paletted framebuffer to a 24-bit display, bytes R, G, B.
void blit_8_to_24_redlow(uint8_t* dest, int32_t pitch) {
    blit_paletted_rows(dest, pitch, entry_to_32_redlow, row_lut_to_24);
}

// Paletted framebuffer to a 32-bit display, 0x00RRGGBB.
void blit_8_to_32(uint8_t* dest, int32_t pitch) {
    blit_paletted_rows(dest, pitch, entry_to_32, row_lut_to_32);
}

// Paletted framebuffer to a 32-bit display, 0x00BBGGRR (the palette entry as it is).
void blit_8_to_32_redlow(uint8_t* dest, int32_t pitch) {
    blit_paletted_rows(dest, pitch, entry_to_32_redlow, row_lut_to_32);
}
