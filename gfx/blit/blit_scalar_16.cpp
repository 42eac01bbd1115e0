// Scalar members for 16-bit framebuffers.
#include "gfx/blit/blit_pixel.h"
#include "gfx/blit/blit_rows.h"
#include "gfx/blit/blit_scalar_rows.h"
#include "gfx/blit/blitter.h"
#include "gfx/blit/colour_lookup.h"

namespace {

// Converts a 16-bit row with `convert`, two pixels per 32-bit store; an odd last pixel is
// stored on its own.
template <uint32_t (*convert)(uint32_t)>
void row_16_pairs(uint8_t* dst, const uint8_t* src, int count) {
    int x = 0;
    for (; x + 2 <= count; x += 2) {
        const uint32_t pair = load_32(src + 2 * x);
        store_32(dst + 2 * x, convert(pair & 0xFFFF) | convert(pair >> 16) << 16);
    }
    if (x < count) {
        store_16(dst + 2 * x, convert(load_16(src + 2 * x)));
    }
}

// Expands one 16-bit pixel through the two halves of the colour lookup table.
inline uint32_t expand(const uint32_t* table, uint32_t s) {
    return table[s & 0xFF] | table[256 + (s >> 8)];
}

} // namespace

// Red-high 15-bit pixels.
void row_16_to_15(uint8_t* dst, const uint8_t* src, int count, const uint32_t*) {
    row_16_pairs<rgb16_to_15>(dst, src, count);
}

// Red-low 15-bit pixels.
void row_16_to_15_redlow(uint8_t* dst, const uint8_t* src, int count, const uint32_t*) {
    row_16_pairs<rgb16_to_15_redlow>(dst, src, count);
}

// Red-low 16-bit pixels.
void row_16_to_16_redlow(uint8_t* dst, const uint8_t* src, int count, const uint32_t*) {
    row_16_pairs<rgb16_to_16_redlow>(dst, src, count);
}

// Two table lookups per pixel; the low three bytes of each result are stored.
void row_16_to_24(uint8_t* dst, const uint8_t* src, int count, const uint32_t* table) {
    for (int x = 0; x < count; ++x) {
        store_24(dst + 3 * x, expand(table, load_16(src + 2 * x)));
    }
}

// Two table lookups per pixel, one 32-bit store.
void row_16_to_32(uint8_t* dst, const uint8_t* src, int count, const uint32_t* table) {
    for (int x = 0; x < count; ++x) {
        store_32(dst + 4 * x, expand(table, load_16(src + 2 * x)));
    }
}

// 16-bit framebuffer to a 15-bit red-high display.
void blit_16_to_15(uint8_t* dest, int32_t pitch) {
    blit_dirty_rows(dest, pitch, 2, row_16_to_15, nullptr);
}

// 16-bit framebuffer to a 15-bit red-low display.
void blit_16_to_15_redlow(uint8_t* dest, int32_t pitch) {
    blit_dirty_rows(dest, pitch, 2, row_16_to_15_redlow, nullptr);
}

// 16-bit framebuffer to a 16-bit red-low display.
void blit_16_to_16_redlow(uint8_t* dest, int32_t pitch) {
    blit_dirty_rows(dest, pitch, 2, row_16_to_16_redlow, nullptr);
}

// 16-bit framebuffer to a 24-bit display in the order gfx_colour_lookup was built for.
void blit_16_to_24(uint8_t* dest, int32_t pitch) {
    if (gfx_colour_lookup) {
        blit_dirty_rows(dest, pitch, 2, row_16_to_24, gfx_colour_lookup);
    }
}

// 16-bit framebuffer to a 32-bit display in the order gfx_colour_lookup was built for.
void blit_16_to_32(uint8_t* dest, int32_t pitch) {
    if (gfx_colour_lookup) {
        blit_dirty_rows(dest, pitch, 2, row_16_to_32, gfx_colour_lookup);
    }
}
