// Copying a rectangle of the drawing target into an image: gfx_get.
#include <qzgfx.h>

#include <cmath>
#include <cstring>
#include <utility>

#include "gfx/core/context.h"
#include "gfx/core/coords.h"
#include "gfx/image/image_registry.h"
#include "rt/rt.h"

namespace {

// The kind gfx_resolve_step takes for a set of GFX_STEP_* bits.
int step_kind(int step) {
    return ((step & GFX_STEP_FIRST) ? 2 : 0) | ((step & GFX_STEP_SECOND) ? 1 : 0);
}

} // namespace

// Resolves and maps both corners, checks that the rectangle lies in the view and fits the image,
// and copies it row by row into the image's top-left corner.
int gfx_get(float x1, float y1, float x2, float y2, ImageBuffer* image, int step) {
    GfxContext* ctx = gfx_context;
    if (!ctx) {
        return rt_set_error(RT_ERR_ILLEGAL_CALL);
    }
    const ImageRecord* record = image_lookup(image);
    if (!record || record->depth != ctx->depth || !image_target_matches(ctx->target, ctx->depth) ||
        !std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) {
        return rt_set_error(RT_ERR_ILLEGAL_CALL);
    }
    gfx_resolve_step(step_kind(step), &x1, &y1, &x2, &y2);
    int ax = 0, ay = 0, bx = 0, by = 0;
    gfx_map_coords(x1, y1, &ax, &ay);
    gfx_map_coords(x2, y2, &bx, &by);
    gfx_order_rect(&ax, &ay, &bx, &by);
    const int64_t width = int64_t{bx} - ax + 1;
    const int64_t height = int64_t{by} - ay + 1;
    if (ax < ctx->view_x || ay < ctx->view_y || int64_t{bx} >= int64_t{ctx->view_x} + ctx->view_w ||
        int64_t{by} >= int64_t{ctx->view_y} + ctx->view_h || width > record->width ||
        height > record->height) {
        return rt_set_error(RT_ERR_ILLEGAL_CALL);
    }
    const std::size_t bpp = static_cast<std::size_t>(ctx->bytes_per_pixel);
    const std::size_t image_pitch = static_cast<std::size_t>(record->width) * bpp;
    const std::size_t bytes = static_cast<std::size_t>(width) * bpp;
    GfxLockGuard lock(ctx);
    uint8_t* dest = image->data();
    for (int r = ay; r <= by; ++r, dest += image_pitch) {
        std::memmove(dest, ctx->rows[r] + static_cast<std::size_t>(ax) * bpp, bytes);
    }
    return 0;
}
