// The scale setting and the arithmetic of scaled software screens.
#include "gfx/core/window_scale.h"

#include "gfx/core/context.h"
#include "rt/rt.h"

namespace {

// 0 until a program sets a fixed scale.
int scale_setting = 0;

} // namespace

// The setting gfx_window_scale last made.
int gfx_scale_setting() { return scale_setting; }

// Sets the scale for the open software screen and later ones; see qzgfx.h. The driver re-creates
// an open window at the new scale; -1 and the current setting change nothing.
int gfx_window_scale(int factor) {
    const int before = scale_setting;
    if (factor < -1 || factor > GFX_SCALE_MAX) {
        rt_set_error(RT_ERR_ILLEGAL_CALL);
        return before;
    }
    if (factor == -1 || factor == before) {
        return before;
    }
    scale_setting = factor;
    GfxContext* ctx = gfx_context;
    if (ctx && ctx->driver->apply_scale) {
        ctx->driver->apply_scale();
    }
    return before;
}

// Rounds dpi / 96 to the nearest whole number and steps down until the framed window fits.
int gfx_auto_scale(int dpi, int width, int height, int frame_w, int frame_h, int area_w,
                   int area_h) {
    int scale = (dpi + GFX_BASE_DPI / 2) / GFX_BASE_DPI;
    scale = scale < 1 ? 1 : (scale > GFX_SCALE_MAX ? GFX_SCALE_MAX : scale);
    while (scale > 1 && (static_cast<long long>(width) * scale + frame_w > area_w ||
                         static_cast<long long>(height) * scale + frame_h > area_h)) {
        --scale;
    }
    return scale;
}

// The smaller of the two whole quotients, at least 1.
int gfx_fit_scale(int width, int height, int area_w, int area_h) {
    if (width <= 0 || height <= 0) {
        return 1;
    }
    const int across = area_w / width;
    const int down = area_h / height;
    const int scale = across < down ? across : down;
    return scale < 1 ? 1 : scale;
}

// Floor division of the distance from the origin, so that a point one pixel left of the picture
// maps to -1, not 0.
int gfx_unscale(int p, int origin, int scale) {
    if (scale < 1) {
        scale = 1;
    }
    const int d = p - origin;
    return d >= 0 ? d / scale : -((-d + scale - 1) / scale);
}
