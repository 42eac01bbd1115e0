// Boxes, filled or outlined in a 16-bit line style, clipped to the view; the view's border uses it.
#include <algorithm>

#include "gfx/core/context.h"
#include "gfx/core/pixel.h"
#include "gfx/text/text.h"
#include "gfx/text/text_rows.h"

namespace {

// Rotates a 16-bit mask right by n bits (n taken mod 16).
uint16_t rotate_right(uint16_t m, int n) {
    n &= 15;
    return static_cast<uint16_t>((m >> n) | (m << ((16 - n) & 15)));
}

// Walks one edge of the box in the line style: (x, y) steps by (dx, dy) over length pixels; a
// pixel is set when its style bit is. An edge that is not drawn still uses up its bits.
struct StyledEdges {
    uint32_t colour;
    uint16_t style;
    uint16_t mask;

    void edge(bool drawn, int x, int y, int dx, int dy, int length) {
        if (!drawn) {
            mask = rotate_right(mask, length % 16);
            return;
        }
        for (int i = 0; i < length; ++i) {
            if (style & mask) {
                put_pixel(x + i * dx, y + i * dy, colour);
            }
            mask = rotate_right(mask, 1);
        }
    }
};

} // namespace

// Draws the box's clipped part: every row filled, or the bottom, top, right and left edges in
// that order, the style pattern running as though nothing were clipped.
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
    const size_t bpp = static_cast<size_t>(ctx->bytes_per_pixel);
    GfxLockGuard lock(ctx);

    const bool bottom_drawn = y2 < view_bottom;
    const bool top_drawn = y1 >= ctx->view_y;
    const bool right_drawn = x2 < view_right;
    const bool left_drawn = x1 >= ctx->view_x;
    if (filled) {
        for (int y = cy1; y <= cy2; ++y) {
            fill_span(ctx->rows[y] + static_cast<size_t>(cx1) * bpp, colour, width);
        }
    } else if ((style & 0xFFFF) == BOX_STYLE_SOLID) {
        if (bottom_drawn) {
            fill_span(ctx->rows[y2] + static_cast<size_t>(cx1) * bpp, colour, width);
        }
        if (top_drawn) {
            fill_span(ctx->rows[y1] + static_cast<size_t>(cx1) * bpp, colour, width);
        }
        for (int y = cy1; y <= cy2; ++y) {
            if (right_drawn) {
                put_pixel(x2, y, colour);
            }
            if (left_drawn) {
                put_pixel(x1, y, colour);
            }
        }
    } else {
        StyledEdges e{colour, static_cast<uint16_t>(style), rotate_right(0x8000, (cx1 - x1) % 16)};
        e.edge(bottom_drawn, cx1, y2, 1, 0, width);
        e.mask = rotate_right(e.mask, ((x2 - cx2) + (cx1 - x1)) % 16);
        e.edge(top_drawn, cx1, y1, 1, 0, width);
        e.mask = rotate_right(e.mask, ((x2 - cx2) + (cy1 - y1)) % 16);
        e.edge(right_drawn, x2, cy1, 0, 1, height);
        e.mask = rotate_right(e.mask, ((y2 - cy2) + (cy1 - y1)) % 16);
        e.edge(left_drawn, x1, cy1, 0, 1, height);
    }
    gfx_text_mark_dirty(ctx, cy1, cy2 + 1);
}
