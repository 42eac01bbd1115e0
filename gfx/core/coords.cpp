// Coordinate routines shared by the drawing operations.
#include "gfx/core/coords.h"

#include <climits>
#include <cmath>
#include <cstdint>
#include <utility>

#include "gfx/core/context.h"

namespace {

// v rounded half away from zero, held within what an int can carry (NaN gives 0).
int64_t round_away(double v) {
    if (std::isnan(v)) {
        return 0;
    }
    if (v >= static_cast<double>(INT_MAX)) {
        return INT_MAX;
    }
    if (v <= static_cast<double>(INT_MIN)) {
        return INT_MIN;
    }
    return static_cast<int64_t>(v > 0 ? v + 0.5 : v - 0.5);
}

// v held within the range of int.
int clamp_int(int64_t v) {
    return static_cast<int>(v > INT_MAX ? INT_MAX : v < INT_MIN ? INT_MIN : v);
}

} // namespace

// Maps (x, y) through the logical window coordinates, if any, and the view to pixel coordinates.
void gfx_map_coords(float x, float y, int* px, int* py) {
    const GfxContext* ctx = gfx_context;
    double fx = x;
    double fy = y;
    const uint32_t flags = ctx ? ctx->flags : 0;
    if (flags & CTX_WINDOW_COORDS) {
        fx = static_cast<float>((x - ctx->win_x) * static_cast<float>(ctx->view_w) /
                                (ctx->win_w - 1.0f));
        fy = static_cast<float>((y - ctx->win_y) * static_cast<float>(ctx->view_h) /
                                (ctx->win_h - 1.0f));
    }
    int64_t ix = round_away(fx);
    int64_t iy = round_away(fy);
    if ((flags & CTX_WINDOW_COORDS) && !(flags & CTX_SCREEN_COORDS)) {
        iy = ctx->view_h - 1 - iy;
    }
    if (ctx && !(flags & CTX_VIEW_SCREEN)) {
        ix += ctx->view_x;
        iy += ctx->view_y;
    }
    if (px) {
        *px = clamp_int(ix);
    }
    if (py) {
        *py = clamp_int(iy);
    }
}

// Resolves relative points of a drawing statement and records the last point it reached.
void gfx_resolve_step(int kind, float* x1, float* y1, float* x2, float* y2) {
    GfxContext* ctx = gfx_context;
    if (!ctx || !x1 || !y1 || (!x2) != (!y2)) {
        return;
    }
    const bool second = x2 != nullptr;
    if ((kind == 1 || kind == 3) && !second) {
        return;
    }
    if (kind == 2 || kind == 3 || kind == 5) {
        *x1 += ctx->last_x;
        *y1 += ctx->last_y;
    }
    if (kind == 1 || kind == 3) {
        *x2 += *x1;
        *y2 += *y1;
    }
    ctx->last_x = second ? *x2 : *x1;
    ctx->last_y = second ? *y2 : *y1;
}

// Swaps the corners of a rectangle where needed so that x1 <= x2 and y1 <= y2.
void gfx_order_rect(int* x1, int* y1, int* x2, int* y2) {
    if (!x1 || !y1 || !x2 || !y2) {
        return;
    }
    if (*x2 < *x1) {
        std::swap(*x1, *x2);
    }
    if (*y2 < *y1) {
        std::swap(*y1, *y2);
    }
}
