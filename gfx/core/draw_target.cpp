// Redirecting drawing into an image and back to the screen.
#include <cstdlib>

#include "gfx/core/context.h"
#include "gfx/core/pages.h"
#include "rt/rt.h"

ImageTargetCheck gfx_image_target_check = nullptr;

namespace {

// The screen's view rectangle, kept while an image is the drawing target.
struct SavedView {
    int x;
    int y;
    int w;
    int h;
};

SavedView saved_view;

// Grows the row table to hold at least count entries. False (table unchanged) when memory
// runs out.
bool reserve_rows(GfxContext* ctx, int count) {
    if (ctx->rows_capacity >= count) {
        return true;
    }
    void* grown = std::realloc(ctx->rows, static_cast<size_t>(count) * sizeof(uint8_t*));
    if (!grown) {
        return false;
    }
    ctx->rows = static_cast<uint8_t**>(grown);
    ctx->rows_capacity = count;
    return true;
}

// Makes image the drawing target: a view of its size at the origin and rows into its data.
// False, with nothing changed, for an image of negative size, one the image layer knows to hold
// pixels of another depth, or when the row table cannot grow.
bool target_image(GfxContext* ctx, ImageBuffer* image) {
    const int w = image->width >> 3;
    const int h = image->height;
    if (w < 0 || h < 0 || (gfx_image_target_check && !gfx_image_target_check(image, ctx->depth))) {
        rt_set_error(RT_ERR_ILLEGAL_CALL);
        return false;
    }
    if (!reserve_rows(ctx, h)) {
        rt_set_error(RT_ERR_ILLEGAL_CALL);
        return false;
    }
    if (!ctx->target) {
        saved_view = {ctx->view_x, ctx->view_y, ctx->view_w, ctx->view_h};
    }
    ctx->view_x = 0;
    ctx->view_y = 0;
    ctx->view_w = w;
    ctx->view_h = h;
    ctx->target_pitch = w * ctx->bytes_per_pixel;
    uint8_t* data = image->data();
    for (int row = 0; row < h; ++row) {
        ctx->rows[row] = data + static_cast<size_t>(row) * static_cast<size_t>(ctx->target_pitch);
    }
    ctx->flags |= CTX_TARGET_IMAGE;
    return true;
}

// Returns drawing to the work page with the view the screen had before.
void target_screen(GfxContext* ctx) {
    ctx->view_x = saved_view.x;
    ctx->view_y = saved_view.y;
    ctx->view_w = saved_view.w;
    ctx->view_h = saved_view.h;
    ctx->target_pitch = ctx->pitch;
    uint8_t* page = ctx->pages[ctx->work_page];
    for (int row = 0; row < ctx->height; ++row) {
        ctx->rows[row] = page + static_cast<size_t>(row) * static_cast<size_t>(ctx->pitch);
    }
    ctx->flags &= ~CTX_TARGET_IMAGE;
}

} // namespace

// Makes image the drawing target, or the screen again with null, and returns image. An image
// that cannot become the target (negative size, or no memory for its rows) is runtime error 1:
// the target stays as it was and the result is null.
ImageBuffer* gfx_set_target(ImageBuffer* image) {
    GfxContext* ctx = gfx_context;
    if (!ctx) {
        return image;
    }
    if (image && image != ctx->target) {
        if (!target_image(ctx, image)) {
            return nullptr;
        }
    } else if (!image && (ctx->flags & CTX_TARGET_IMAGE)) {
        target_screen(ctx);
    }
    ctx->target = image;
    return image;
}
