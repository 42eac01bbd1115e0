// The drawing target, colours and coordinates as the drawing operations use them.
#include "gfx/draw/draw_target.h"

#include <algorithm>
#include <cmath>

#include "gfx/core/coords.h"
#include "gfx/core/palette.h"
#include "gfx/core/types.h"
#include "rt/rt.h"

// The target's rows from the row table, the view clipped to the target's size, and the dirty
// flags when the rows are those of the visible page.
bool draw_target(const GfxContext* ctx, DrawTarget* target) {
    if (!ctx->rows || ctx->rows_capacity <= 0) {
        return false;
    }
    const int rows = ctx->target ? ctx->target->height : ctx->height;
    const int columns = ctx->target_pitch / ctx->bytes_per_pixel;
    target->base = ctx->rows[0];
    target->pitch = ctx->target_pitch;
    target->bytes = ctx->bytes_per_pixel;
    target->left = std::max(ctx->view_x, 0);
    target->top = std::max(ctx->view_y, 0);
    target->right = std::min(ctx->view_x + ctx->view_w, columns) - 1;
    target->bottom = std::min({ctx->view_y + ctx->view_h, rows, ctx->rows_capacity}) - 1;
    target->dirty = ctx->rows[0] == ctx->visible_buffer ? ctx->dirty_rows : nullptr;
    return target->left <= target->right && target->top <= target->bottom;
}

// The foreground for the omitted colour; otherwise the depth's own form of the argument.
uint32_t draw_colour(const GfxContext* ctx, uint32_t colour) {
    if (colour == COLOUR_NONE) {
        return ctx->fg_colour;
    }
    if (ctx->depth <= 8) {
        return colour & ctx->colour_mask;
    }
    if (ctx->bytes_per_pixel == 2) {
        return gfx_colour_to_native(colour);
    }
    return colour;
}

int64_t draw_hold(int64_t v) { return std::clamp(v, -DRAW_COORD_LIMIT, DRAW_COORD_LIMIT); }

// gfx_map_coords, then held so that every later difference fits comfortably in 64 bits.
void draw_map(float x, float y, int64_t* px, int64_t* py) {
    int ix = 0;
    int iy = 0;
    gfx_map_coords(x, y, &ix, &iy);
    *px = draw_hold(ix);
    *py = draw_hold(iy);
}

// The step moves the last point, so a point that turns out not finite after it puts it back.
bool draw_resolve_point(GfxContext* ctx, float x, float y, int step, int64_t* px, int64_t* py) {
    if (!ctx || (step & ~GFX_STEP_FIRST) || !std::isfinite(x) || !std::isfinite(y)) {
        return false;
    }
    const float last_x = ctx->last_x;
    const float last_y = ctx->last_y;
    gfx_resolve_step((step & GFX_STEP_FIRST) ? 2 : 0, &x, &y, nullptr, nullptr);
    if (!std::isfinite(x) || !std::isfinite(y)) {
        ctx->last_x = last_x;
        ctx->last_y = last_y;
        return false;
    }
    draw_map(x, y, px, py);
    return true;
}

// Pixels per logical unit along x are view_w / (win_w - 1) with window coordinates, else 1.
double draw_map_length(const GfxContext* ctx, float length) {
    double pixels = length;
    if (ctx->flags & CTX_WINDOW_COORDS) {
        pixels = pixels * ctx->view_w / (static_cast<double>(ctx->win_w) - 1.0);
    }
    return std::fabs(pixels);
}

int draw_fail() { return rt_set_error(RT_ERR_ILLEGAL_CALL); }
