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

// Copies each run of consecutive dirty rows with one call when the destination rows lie exactly
// as the framebuffer's do; true when it has done the copy.
bool copy_dirty_runs(const GfxContext* ctx, uint8_t* dest, int32_t pitch) {
    if (!dest || !ctx->visible_buffer || !ctx->dirty_rows || ctx->scanline_size != 1 ||
        ctx->height <= 0 || ctx->pitch <= 0 || pitch != ctx->pitch ||
        ctx->width != ctx->pitch / ctx->bytes_per_pixel) {
        return false;
    }
    int y = 0;
    while (y < ctx->height) {
        if (!ctx->dirty_rows[y]) {
            ++y;
            continue;
        }
        const int first = y;
        while (y < ctx->height && ctx->dirty_rows[y]) {
            ++y;
        }
        const size_t offset = static_cast<size_t>(first) * ctx->pitch;
        std::memcpy(dest + offset, ctx->visible_buffer + offset,
                    static_cast<size_t>(y - first) * ctx->pitch);
    }
    return true;
}

} // namespace

// Copies every dirty row (row doubling included) byte for byte.
void blit_copy(uint8_t* dest, int32_t pitch) {
    const GfxContext* ctx = gfx_context;
    if (!ctx || ctx->bytes_per_pixel <= 0) {
        return;
    }
    if (copy_dirty_runs(ctx, dest, pitch)) {
        return;
    }
    switch (ctx->bytes_per_pixel) {
    case 1:
        blit_dirty_rows(dest, pitch, 1, copy_row_8, nullptr);
        break;
    case 2:
        blit_dirty_rows(dest, pitch, 2, copy_row_16, nullptr);
        break;
    case 4:
        blit_dirty_rows(dest, pitch, 4, copy_row_32, nullptr);
        break;
    default:
        break;
    }
}
