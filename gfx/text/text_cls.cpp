// Clearing the screen, the text view or the graphics view.
#include <algorithm>

#include "gfx/core/context.h"
#include "gfx/core/pages.h"
#include "gfx/core/pixel.h"
#include "gfx/core/screen.h"
#include "gfx/text/text.h"
#include "gfx/text/text_rows.h"

namespace {

// Puts the last graphics point at the centre of the view.
void centre_last_point(GfxContext* ctx) {
    ctx->last_x = static_cast<float>(ctx->view_x + ctx->view_w / 2);
    ctx->last_y = static_cast<float>(ctx->view_y + ctx->view_h / 2);
}

// Mode 0: the whole page in one fill, every text cell blank, the cursor at the view's top row.
void clear_page(GfxContext* ctx, int top) {
    fill_span(ctx->rows[0], ctx->bg_colour, ctx->width * ctx->height);
    gfx_text_mark_dirty(ctx, 0, ctx->height);
    gfx_text_fill_cells(0, 0, ctx->text_w, ctx->text_h, ctx->work_page, 32, ctx->fg_colour,
                        ctx->bg_colour);
    centre_last_point(ctx);
    gfx_text_locate(top + 1, 1, -1);
}

// Mode 2: the pixel rows and cells of the text view, the cursor at its top row.
void clear_text_view(GfxContext* ctx, int top, int bottom) {
    const int h = ctx->font->height;
    const int first = std::min(top * h, ctx->height);
    const int end = std::min((bottom + 1) * h, ctx->height);
    if (first < end) {
        fill_span(ctx->rows[first], ctx->bg_colour, ctx->width * (end - first));
        gfx_text_mark_dirty(ctx, first, end);
    }
    gfx_text_fill_cells(0, top, ctx->text_w, bottom + 1, ctx->work_page, 32, ctx->fg_colour,
                        ctx->bg_colour);
    gfx_text_locate(top + 1, 1, -1);
}

// Mode 1: the graphics view, row by row; text cells and cursor stay.
void clear_view(GfxContext* ctx) {
    const int x = std::clamp(ctx->view_x, 0, ctx->width);
    const int y = std::clamp(ctx->view_y, 0, ctx->height);
    const int w = std::min(ctx->view_w, ctx->width - x);
    const int h = std::min(ctx->view_h, ctx->height - y);
    for (int row = 0; row < h; ++row) {
        fill_span(ctx->rows[y + row] + static_cast<size_t>(x) * ctx->bytes_per_pixel,
                  ctx->bg_colour, w);
    }
    gfx_text_mark_dirty(ctx, y, y + std::max(h, 0));
    centre_last_point(ctx);
}

} // namespace

// Clears by mode: 0 the page, 2 the text view, 1 (or any other value) the graphics view; an
// omitted mode picks the view when one is set, else the page or the narrowed text view.
void gfx_text_cls(int mode) {
    GfxContext* ctx = gfx_context;
    if (!ctx || !ctx->font) {
        return;
    }
    gfx_set_target(nullptr);
    GfxLockGuard lock(ctx);
    int top = 0;
    int bottom = 0;
    gfx_text_view_rows(ctx, &top, &bottom);
    if (mode == RT_CLS_OMITTED) {
        if (ctx->flags & CTX_VIEW_SET) {
            mode = 1;
        } else {
            mode = (top == 0 && bottom == ctx->text_h - 1) ? 0 : 2;
        }
    }
    if (mode == 0) {
        clear_page(ctx, top);
    } else if (mode == 2) {
        clear_text_view(ctx, top, bottom);
    } else {
        clear_view(ctx);
    }
}
