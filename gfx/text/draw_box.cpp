// Boxes, filled or outlined in a 16-bit line style, clipped to the view; the view's border uses it.
#include <algorithm>

#include "gfx/core/context.h"
#include "gfx/core/pixel.h"
#include "gfx/core/pixel_fill.h"
#include "gfx/text/text.h"
#include "gfx/text/text_rows.h"

namespace {

// Rotates a 16-bit mask right by n bits (n taken mod 16; n is never negative here).
uint16_t rotate_right(uint16_t m, int64_t n64) {
    const int n = static_cast<int>(n64 & 15);
    return static_cast<uint16_t>((m >> n) | (m << ((16 - n) & 15)));
}

// Walks one edge of the box in the line style: (x, y) steps by (dx, dy) over length pixels; a
// pixel is set (and its row marked) when its style bit is. An edge that is not drawn still uses
// up its bits.
struct StyledEdges {
    GfxContext* ctx;
    uint32_t colour;
    uint16_t style;
    uint16_t mask;

    void edge(bool drawn, int x, int y, int dx, int dy, int length) {
        if (!drawn) {
            mask = rotate_right(mask, length);
            return;
        }
        for (int i = 0; i < length; ++i) {
            if (style & mask) {
                put_pixel(x + i * dx, y + i * dy, colour);
                gfx_text_mark_dirty(ctx, y + i * dy, y + i * dy + 1);
            }
            mask = rotate_right(mask, 1);
        }
    }
};

// Fills rows cy1 .. cy2 from column cx1 on, width pixels each: one run when the rows are whole
// and back to back, as a full-screen box is, else one block of evenly spaced rows (as the rows of
// screens and images are).
void fill_rows(const GfxContext* ctx, int cx1, int cy1, int cy2, int width, uint32_t colour) {
    const int bpp = ctx->bytes_per_pixel;
    const size_t row_bytes = static_cast<size_t>(width) * static_cast<size_t>(bpp);
    const int rows = cy2 - cy1 + 1;
    const ptrdiff_t pitch = ctx->target_pitch;
    uint8_t* first = ctx->rows[cy1] + static_cast<size_t>(cx1) * static_cast<size_t>(bpp);
    if (ctx->rows[cy2] != ctx->rows[cy1] + static_cast<ptrdiff_t>(rows - 1) * pitch) {
        for (int y = cy1; y <= cy2; ++y) {
            fill_pixels(ctx->rows[y] + static_cast<size_t>(cx1) * static_cast<size_t>(bpp), colour,
                        static_cast<size_t>(width), bpp);
        }
        return;
    }
    if (cx1 == 0 && row_bytes == static_cast<size_t>(pitch)) {
        fill_pixels(first, colour, static_cast<size_t>(width) * static_cast<size_t>(rows), bpp);
        return;
    }
    fill_pixel_rows(first, pitch, rows, colour, static_cast<size_t>(width), bpp);
}

} // namespace

// Draws the box's clipped part: every row filled, or the bottom, top, right and left edges in
// that order, the style pattern running as though nothing were clipped; only the rows that
// received pixels are marked. The distances to the clipped corners are taken in 64 bits, so
// corners anywhere in the range of int are safe.
void gfx_draw_box(int x1, int y1, int x2, int y2, uint32_t colour, int filled, int style) {
    GfxContext* ctx = gfx_context;
    if (!ctx) {
        return;
    }
    const int view_right = ctx->view_x + ctx->view_w;
    const int view_bottom = ctx->view_y + ctx->view_h;
    if (x2 < ctx->view_x || y2 < ctx->view_y || x1 >= view_right || y1 >= view_bottom) {
        return;
    }
    const int cx1 = std::max(x1, ctx->view_x);
    const int cy1 = std::max(y1, ctx->view_y);
    const int cx2 = std::min(x2, view_right - 1);
    const int cy2 = std::min(y2, view_bottom - 1);
    const int width = cx2 - cx1 + 1;
    const int height = cy2 - cy1 + 1;
    const int64_t cut_left = int64_t{cx1} - x1;
    const int64_t cut_right = int64_t{x2} - cx2;
    const int64_t cut_top = int64_t{cy1} - y1;
    const int64_t cut_bottom = int64_t{y2} - cy2;
    GfxLockGuard lock(ctx);

    const bool bottom_drawn = y2 < view_bottom;
    const bool top_drawn = y1 >= ctx->view_y;
    const bool right_drawn = x2 < view_right;
    const bool left_drawn = x1 >= ctx->view_x;
    const size_t bpp = static_cast<size_t>(ctx->bytes_per_pixel);
    if (filled) {
        fill_rows(ctx, cx1, cy1, cy2, width, colour);
        gfx_text_mark_dirty(ctx, cy1, cy2 + 1);
    } else if ((style & 0xFFFF) == BOX_STYLE_SOLID) {
        if (bottom_drawn) {
            fill_pixels(ctx->rows[y2] + static_cast<size_t>(cx1) * bpp, colour,
                        static_cast<size_t>(width), ctx->bytes_per_pixel);
        }
        if (top_drawn) {
            fill_pixels(ctx->rows[y1] + static_cast<size_t>(cx1) * bpp, colour,
                        static_cast<size_t>(width), ctx->bytes_per_pixel);
        }
        for (int y = cy1; y <= cy2; ++y) {
            if (right_drawn) {
                put_pixel(x2, y, colour);
            }
            if (left_drawn) {
                put_pixel(x1, y, colour);
            }
        }
        if (bottom_drawn) {
            gfx_text_mark_dirty(ctx, y2, y2 + 1);
        }
        if (top_drawn) {
            gfx_text_mark_dirty(ctx, y1, y1 + 1);
        }
        if (right_drawn || left_drawn) {
            gfx_text_mark_dirty(ctx, cy1, cy2 + 1);
        }
    } else {
        StyledEdges e{ctx, colour, static_cast<uint16_t>(style), rotate_right(0x8000, cut_left)};
        e.edge(bottom_drawn, cx1, y2, 1, 0, width);
        e.mask = rotate_right(e.mask, (cut_right & 15) + (cut_left & 15));
        e.edge(top_drawn, cx1, y1, 1, 0, width);
        e.mask = rotate_right(e.mask, (cut_right & 15) + (cut_top & 15));
        e.edge(right_drawn, x2, cy1, 0, 1, height);
        e.mask = rotate_right(e.mask, (cut_bottom & 15) + (cut_top & 15));
        e.edge(left_drawn, x1, cy1, 0, 1, height);
    }
}
