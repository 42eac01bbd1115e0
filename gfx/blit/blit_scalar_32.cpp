// Scalar members for 32-bit framebuffers.
#include "gfx/blit/blit_pixel.h"
#include "gfx/blit/blit_rows.h"
#include "gfx/blit/blit_scalar_rows.h"
#include "gfx/blit/blitter.h"

namespace {

// Converts a 32-bit row to a 16-bit format with `convert`, two pixels per 32-bit store; an odd
// last pixel is stored on its own.
template <uint32_t (*convert)(uint32_t)>
void row_32_pairs(uint8_t* dst, const uint8_t* src, int count) {
    int x = 0;
    for (; x + 2 <= count; x += 2) {
        store_32(dst + 2 * x, convert(load_32(src + 4 * x)) | convert(load_32(src + 4 * x + 4))
                                                                  << 16);
    }
    if (x < count) {
        store_16(dst + 2 * x, convert(load_32(src + 4 * x)));
    }
}

} // namespace

// Red-high 15-bit pixels.
void row_32_to_15(uint8_t* dst, const uint8_t* src, int count, const uint32_t*) {
    row_32_pairs<rgb32_to_15>(dst, src, count);
}

// Red-low 15-bit pixels.
void row_32_to_15_redlow(uint8_t* dst, const uint8_t* src, int count, const uint32_t*) {
    row_32_pairs<rgb32_to_15_redlow>(dst, src, count);
}

// Red-high 16-bit pixels.
void row_32_to_16(uint8_t* dst, const uint8_t* src, int count, const uint32_t*) {
    row_32_pairs<rgb32_to_16>(dst, src, count);
}

// Red-low 16-bit pixels.
void row_32_to_16_redlow(uint8_t* dst, const uint8_t* src, int count, const uint32_t*) {
    row_32_pairs<rgb32_to_16_redlow>(dst, src, count);
}

// Bytes B, G, R of each pixel: its low three bytes.
void row_32_to_24(uint8_t* dst, const uint8_t* src, int count, const uint32_t*) {
    for (int x = 0; x < count; ++x) {
        store_24(dst + 3 * x, load_32(src + 4 * x));
    }
}

// Bytes R, G, B of each pixel.
void row_32_to_24_redlow(uint8_t* dst, const uint8_t* src, int count, const uint32_t*) {
    for (int x = 0; x < count; ++x) {
        store_24(dst + 3 * x, rgb32_to_32_redlow(load_32(src + 4 * x)));
    }
}

// Red and blue exchanged, green kept.
void row_32_to_32_redlow(uint8_t* dst, const uint8_t* src, int count, const uint32_t*) {
    for (int x = 0; x < count; ++x) {
        store_32(dst + 4 * x, rgb32_to_32_redlow(load_32(src + 4 * x)));
    }
}

// 32-bit framebuffer to a 15-bit red-high display.
void blit_32_to_15(uint8_t* dest, int32_t pitch) {
    blit_dirty_rows(dest, pitch, 4, row_32_to_15, nullptr);
}

// 32-bit framebuffer to a 15-bit red-low display.
void blit_32_to_15_redlow(uint8_t* dest, int32_t pitch) {
    blit_dirty_rows(dest, pitch, 4, row_32_to_15_redlow, nullptr);
}

// 32-bit framebuffer to a 16-bit red-high display.
void blit_32_to_16(uint8_t* dest, int32_t pitch) {
    blit_dirty_rows(dest, pitch, 4, row_32_to_16, nullptr);
}

// 32-bit framebuffer to a 16-bit red-low display.
void blit_32_to_16_redlow(uint8_t* dest, int32_t pitch) {
    blit_dirty_rows(dest, pitch, 4, row_32_to_16_redlow, nullptr);
}

// 32-bit framebuffer to a 24-bit display, bytes B, G, R.
void blit_32_to_24(uint8_t* dest, int32_t pitch) {
    blit_dirty_rows(dest, pitch, 4, row_32_to_24, nullptr);
}

// 32-bit framebuffer to a 24-bit display, bytes R, G, B.
void blit_32_to_24_redlow(uint8_t* dest, int32_t pitch) {
    blit_dirty_rows(dest, pitch, 4, row_32_to_24_redlow, nullptr);
}

// 32-bit framebuffer to a 32-bit red-low display.
void blit_32_to_32_redlow(uint8_t* dest, int32_t pitch) {
    blit_dirty_rows(dest, pitch, 4, row_32_to_32_redlow, nullptr);
}
