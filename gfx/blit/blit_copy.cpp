// The copy member: each dirty row shown in the framebuffer's own format.
#include <cstring>

#include "gfx/blit/blit_rows.h"
#include "gfx/blit/blitter.h"
#include "gfx/core/context.h"

namespace {

// Copies a row of one-byte pixels.
void copy_row_8(uint8_t* dst, const uint8_t* src, int count, const uint32_t*) {
    std::memcpy(dst, src, static_cast<size_t>(count));
}

// Copies a row of two-byte pixels.
void copy_row_16(uint8_t* dst, const uint8_t* src, int count, const uint32_t*) {
    std::memcpy(dst, src, static_cast<size_t>(count) * 2);
}

// Copies a row of four-byte pixels.
void copy_row_32(uint8_t* dst, const uint8_t* src, int count, const uint32_t*) {
    std::memcpy(dst, src, static_cast<size_t>(count) * 4);
}

} // namespace

// Copies every dirty row (row doubling included) byte for byte.
void blit_copy(uint8_t* dest, int32_t pitch) {
    const GfxContext* ctx = gfx_context;
    if (!ctx) {
        return;
    }
    switch (ctx->bytes_per_pixel) {
    case 1: blit_dirty_rows(dest, pitch, 1, copy_row_8, nullptr); break;
    case 2: blit_dirty_rows(dest, pitch, 2, copy_row_16, nullptr); break;
    case 4: blit_dirty_rows(dest, pitch, 4, copy_row_32, nullptr); break;
    default: break;
    }
}
