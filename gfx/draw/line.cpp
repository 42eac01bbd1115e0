// gfx_line: lines and boxes between two points, in a 16-bit line style.
#include <climits>
#include <cmath>

#include "gfx/core/context.h"
#include "gfx/core/coords.h"
#include "gfx/core/types.h"
#include "gfx/draw/draw_target.h"
#include "gfx/draw/line_raster.h"
#include "gfx/text/text.h"
#include "qzgfx.h"

namespace {

// The step kind of gfx_resolve_step for the step bits of a two-point statement.
int step_kind(int step) {
    const bool first = (step & GFX_STEP_FIRST) != 0;
    const bool second = (step & GFX_STEP_SECOND) != 0;
    return first && second ? 3 : first ? 2 : second ? 1 : 0;
}

// The box with corners (x1, y1) and (x2, y2), outlined in the style or filled, through the view's
// own box drawing.
void draw_box(int64_t x1, int64_t y1, int64_t x2, int64_t y2, uint32_t colour, bool filled,
              uint16_t style) {
    int ix1 = static_cast<int>(x1);
    int iy1 = static_cast<int>(y1);
    int ix2 = static_cast<int>(x2);
    int iy2 = static_cast<int>(y2);
    gfx_order_rect(&ix1, &iy1, &ix2, &iy2);
    gfx_draw_box(ix1, iy1, ix2, iy2, colour, filled ? 1 : 0, style);
}

} // namespace

// Resolves the points (the last point for an omitted start, then the step bits), maps them to
// pixels and draws the shape; the second point becomes the last point.
int gfx_line(float x1, float y1, float x2, float y2, uint32_t colour, int shape, uint16_t style,
             int step) {
    GfxContext* ctx = gfx_context;
    if (!ctx || shape < GFX_LINE || shape > GFX_BOX_FILLED ||
        (step & ~(GFX_STEP_FIRST | GFX_STEP_SECOND)) || !std::isfinite(x1) || !std::isfinite(y1) ||
        !std::isfinite(x2) || !std::isfinite(y2)) {
        return draw_fail();
    }
    if (x1 == GFX_OMITTED && y1 == GFX_OMITTED) {
        x1 = ctx->last_x;
        y1 = ctx->last_y;
        step &= ~GFX_STEP_FIRST;
    }
    const float last_x = ctx->last_x;
    const float last_y = ctx->last_y;
    gfx_resolve_step(step_kind(step), &x1, &y1, &x2, &y2);
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) {
        ctx->last_x = last_x; // a relative point ran out of the float range
        ctx->last_y = last_y;
        return draw_fail();
    }
    int64_t px1 = 0;
    int64_t py1 = 0;
    int64_t px2 = 0;
    int64_t py2 = 0;
    draw_map(x1, y1, &px1, &py1);
    draw_map(x2, y2, &px2, &py2);
    const uint32_t native = draw_colour(ctx, colour);
    if (shape != GFX_LINE) {
        draw_box(px1, py1, px2, py2, native, shape == GFX_BOX_FILLED, style);
        return 0;
    }
    DrawTarget target{};
    if (draw_target(ctx, &target)) {
        GfxLockGuard lock(ctx);
        draw_line_pixels(target, px1, py1, px2, py2, native, style);
    }
    return 0;
}
