// gfx_pset and gfx_point: one pixel written or read.
#include <cmath>

#include "gfx/core/context.h"
#include "gfx/draw/draw_target.h"
#include "qzgfx.h"

namespace {

// A 5-6-5 pixel as 0x00RRGGBB, each component widened by repeating its top bits.
uint32_t widen_565(uint32_t v) {
    const uint32_t r = (v >> 11) & 0x1F;
    const uint32_t g = (v >> 5) & 0x3F;
    const uint32_t b = v & 0x1F;
    return ((r << 3 | r >> 2) << 16) | ((g << 2 | g >> 4) << 8) | (b << 3 | b >> 2);
}

} // namespace

// Resolves the step, maps the point and stores the pixel when it lies in the view.
int gfx_pset(float x, float y, uint32_t colour, int step) {
    GfxContext* ctx = gfx_context;
    int64_t px = 0;
    int64_t py = 0;
    if (!draw_resolve_point(ctx, x, y, step, &px, &py)) {
        return draw_fail();
    }
    DrawTarget target{};
    if (draw_target(ctx, &target) && target.inside(px, py)) {
        GfxLockGuard lock(ctx);
        draw_store(target.at(px, py), draw_colour(ctx, colour), target.bytes);
        target.mark(py, py);
    }
    return 0;
}

// Maps the point and reads the pixel there, in the form gfx_pset takes.
int gfx_point(float x, float y, uint32_t* colour) {
    GfxContext* ctx = gfx_context;
    if (!ctx || !colour || !std::isfinite(x) || !std::isfinite(y)) {
        return draw_fail();
    }
    int64_t px = 0;
    int64_t py = 0;
    draw_map(x, y, &px, &py);
    DrawTarget target{};
    if (!draw_target(ctx, &target) || !target.inside(px, py)) {
        return draw_fail();
    }
    GfxLockGuard lock(ctx);
    const uint32_t v = draw_load(target.at(px, py), target.bytes);
    *colour = target.bytes == 2 ? widen_565(v) : v;
    return 0;
}
