// Drawing an image into the drawing target: gfx_put.
#include "gfx/draw/image_put.h"

#include <qzgfx.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "gfx/core/context.h"
#include "gfx/core/coords.h"
#include "gfx/image/image_registry.h"
#include "rt/rt.h"

namespace {

// Whether the arguments describe a put this screen can do.
bool valid_put(const GfxContext* ctx, const ImageRecord* record, const ImageBuffer* image, int mode,
               int alpha) {
    if (!record || record->depth != ctx->depth || image == ctx->target ||
        !image_target_matches(ctx->target, ctx->depth)) {
        return false;
    }
    if (mode == GFX_PUT_ALPHA) {
        return ctx->depth == 32 && alpha >= -1 && alpha <= 255;
    }
    return mode >= GFX_PUT_COPY && mode <= GFX_PUT_INVERT;
}

} // namespace

// Maps the corner, clips the image to the view in 64-bit arithmetic, and draws the visible part
// with the mode's routine for this depth and processor, marking the rows written on the shown page.
int gfx_put(float x, float y, const ImageBuffer* image, int mode, int alpha) {
    GfxContext* ctx = gfx_context;
    if (!ctx) {
        return rt_set_error(RT_ERR_ILLEGAL_CALL);
    }
    const ImageRecord* record = image_lookup(image);
    if (!valid_put(ctx, record, image, mode, alpha) || !std::isfinite(x) || !std::isfinite(y)) {
        return rt_set_error(RT_ERR_ILLEGAL_CALL);
    }
    gfx_resolve_step(0, &x, &y, nullptr, nullptr);
    int px = 0;
    int py = 0;
    gfx_map_coords(x, y, &px, &py);
    const int64_t left = std::max<int64_t>(px, ctx->view_x);
    const int64_t top = std::max<int64_t>(py, ctx->view_y);
    const int64_t right =
        std::min<int64_t>(int64_t{px} + record->width, int64_t{ctx->view_x} + ctx->view_w);
    const int64_t bottom =
        std::min<int64_t>(int64_t{py} + record->height, int64_t{ctx->view_y} + ctx->view_h);
    if (left >= right || top >= bottom || (mode == GFX_PUT_ALPHA && alpha == 0)) {
        return 0;
    }
    const PutRectFn draw = put_rect_routine(mode, ctx->bytes_per_pixel, cpu_isa());
    const std::size_t bpp = static_cast<std::size_t>(ctx->bytes_per_pixel);
    const std::size_t image_pitch = static_cast<std::size_t>(record->width) * bpp;
    const bool shown =
        !(ctx->flags & CTX_TARGET_IMAGE) && ctx->pages[ctx->work_page] == ctx->visible_buffer;
    const PutRect rect{ctx->rows + top,
                       static_cast<std::size_t>(left) * bpp,
                       reinterpret_cast<const uint8_t*>(image + 1) +
                           static_cast<std::size_t>(top - py) * image_pitch +
                           static_cast<std::size_t>(left - px) * bpp,
                       image_pitch,
                       static_cast<int>(right - left),
                       static_cast<int>(bottom - top),
                       PutArgs{ctx->colour_mask, alpha},
                       shown ? ctx->dirty_rows + top : nullptr};
    GfxLockGuard lock(ctx);
    draw(rect);
    return 0;
}
