// The row walk shared by every blitter: dirty-row skipping and row doubling.
#include "gfx/blit/blit_rows.h"

#include <algorithm>
#include <cstddef>

#include "gfx/core/context.h"

// Walks the framebuffer rows, converting only the marked ones, each into scanline_size
// destination rows; the destination row index advances for every row, converted or not.
void blit_dirty_rows(uint8_t* dest, int32_t pitch, int source_bytes, BlitRowFn row,
                     const uint32_t* table) {
    const GfxContext* ctx = gfx_context;
    if (!ctx || !dest || !row || source_bytes <= 0 || !ctx->visible_buffer || !ctx->dirty_rows) {
        return;
    }
    if (ctx->width <= 0 || ctx->height <= 0 || ctx->pitch <= 0 || ctx->scanline_size < 1) {
        return;
    }
    // Never read past a source row, whatever the context claims about its width.
    const int count = std::min(ctx->width, ctx->pitch / source_bytes);
    if (count <= 0) {
        return;
    }
    const ptrdiff_t copies = ctx->scanline_size;
    for (int y = 0; y < ctx->height; ++y) {
        if (!ctx->dirty_rows[y]) {
            continue;
        }
        const uint8_t* src = ctx->visible_buffer + static_cast<ptrdiff_t>(y) * ctx->pitch;
        for (ptrdiff_t m = 0; m < copies; ++m) {
            row(dest + (y * copies + m) * static_cast<ptrdiff_t>(pitch), src, count, table);
        }
    }
}
