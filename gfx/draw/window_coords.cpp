// gfx_window_coords: logical coordinates for the view.
#include <cmath>
#include <utility>

#include "gfx/core/context.h"
#include "gfx/draw/draw_target.h"
#include "qzgfx.h"

namespace {

// The stored extent of a window of `span` units on a view of `pixels` pixels: gfx_map_coords
// scales by pixels / (extent - 1), so this extent puts the window's far edge on the view's last
// pixel.
double fitted_extent(double span, int pixels) {
    return pixels > 1 ? 1.0 + span * pixels / (pixels - 1.0) : span + 1.0;
}

} // namespace

// Stores the window for gfx_map_coords, fitted to the current view so that its corners land on
// the view's corner pixels; all four omitted switches back to pixels.
int gfx_window_coords(float x1, float y1, float x2, float y2, int screen) {
    GfxContext* ctx = gfx_context;
    if (!ctx) {
        return draw_fail();
    }
    if (x1 == GFX_OMITTED && y1 == GFX_OMITTED && x2 == GFX_OMITTED && y2 == GFX_OMITTED) {
        ctx->flags &= ~(CTX_WINDOW_COORDS | CTX_SCREEN_COORDS);
        return 0;
    }
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2) ||
        x1 == x2 || y1 == y2) {
        return draw_fail();
    }
    if (x2 < x1) {
        std::swap(x1, x2);
    }
    if (y2 < y1) {
        std::swap(y1, y2);
    }
    const auto w = static_cast<float>(fitted_extent(static_cast<double>(x2) - x1, ctx->view_w));
    const auto h = static_cast<float>(fitted_extent(static_cast<double>(y2) - y1, ctx->view_h));
    if (!std::isfinite(w) || !std::isfinite(h) || w == 1.0f || h == 1.0f) {
        return draw_fail(); // the extent overflows a float, or is too small to tell from nothing
    }
    ctx->win_x = x1;
    ctx->win_y = y1;
    ctx->win_w = w;
    ctx->win_h = h;
    ctx->flags |= CTX_WINDOW_COORDS;
    if (screen) {
        ctx->flags |= CTX_SCREEN_COORDS;
    } else {
        ctx->flags &= ~CTX_SCREEN_COORDS;
    }
    return 0;
}
