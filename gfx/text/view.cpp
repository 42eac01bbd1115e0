// The graphics view: the rectangle that drawing is clipped to, with an optional border and fill.
#include <algorithm>
#include <climits>
#include <cstdint>

#include "gfx/core/context.h"
#include "gfx/core/coords.h"
#include "gfx/core/pages.h"
#include "gfx/core/palette.h"
#include "gfx/core/types.h"
#include "gfx/text/text.h"

namespace {

// The coordinate one pixel beyond v in direction d (-1 or 1), held within the range of int: a
// border that far out lies off the screen either way.
int outside(int v, int d) {
    return static_cast<int>(std::clamp<int64_t>(int64_t{v} + d, INT_MIN, INT_MAX));
}

} // namespace

// Sets the view to the on-screen part of (x1, y1)-(x2, y2); a border is drawn one pixel outside
// it, and a fill colour clears the new view. Any coordinate omitted gives the whole screen back.
void gfx_view(int x1, int y1, int x2, int y2, uint32_t fill, uint32_t border, int screen) {
    GfxContext* ctx = gfx_context;
    if (!ctx) {
        return;
    }
    gfx_set_target(nullptr);
    gfx_order_rect(&x1, &y1, &x2, &y2);
    if (x1 == COORD_OMITTED || y1 == COORD_OMITTED || x2 == COORD_OMITTED || y2 == COORD_OMITTED) {
        ctx->flags &= ~CTX_VIEW_SET;
        ctx->view_x = 0;
        ctx->view_y = 0;
        ctx->view_w = ctx->width;
        ctx->view_h = ctx->height;
        return;
    }
    ctx->flags |= CTX_VIEW_SET;
    if (screen) {
        ctx->flags |= CTX_VIEW_SCREEN;
    } else {
        ctx->flags &= ~CTX_VIEW_SCREEN;
    }
    if (border != COLOUR_NONE) {
        const uint32_t colour = gfx_colour_to_native(border) & ctx->colour_mask;
        ctx->view_x = 0;
        ctx->view_y = 0;
        ctx->view_w = ctx->width;
        ctx->view_h = ctx->height;
        gfx_draw_box(outside(x1, -1), outside(y1, -1), outside(x2, 1), outside(y2, 1), colour, 0,
                     BOX_STYLE_SOLID);
    }
    ctx->view_x = std::min(std::max(x1, 0), ctx->width);
    ctx->view_y = std::min(std::max(y1, 0), ctx->height);
    ctx->view_w = std::max(0, std::min(x2, ctx->width - 1) - ctx->view_x + 1);
    ctx->view_h = std::max(0, std::min(y2, ctx->height - 1) - ctx->view_y + 1);
    if (fill != COLOUR_NONE) {
        const uint32_t saved = ctx->bg_colour;
        ctx->bg_colour = gfx_colour_to_native(fill);
        gfx_text_cls(1);
        ctx->bg_colour = saved;
    }
}
