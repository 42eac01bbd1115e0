// The text view's rows and the dirty marks of the text operations.
#include "gfx/text/text_rows.h"

#include <algorithm>

#include "gfx/core/pixel.h"
#include "rt/rt.h"

// Reads the runtime's view rows (0, 0: the whole console) and fits them to the text size.
void gfx_text_view_rows(const GfxContext* ctx, int* top, int* bottom) {
    int t = 0;
    int b = 0;
    rt_view_rows(&t, &b);
    const int last = std::max(ctx->text_h - 1, 0);
    if (t == 0 && b == 0) {
        *top = 0;
        *bottom = last;
        return;
    }
    *bottom = std::clamp(b - 1, 0, last);
    *top = std::clamp(t - 1, 0, *bottom);
}

// Marks rows with one fast_fill, only while the visible page is what is being drawn on.
void gfx_text_mark_dirty(GfxContext* ctx, int first, int end) {
    if (!ctx->rows || ctx->rows[0] != ctx->visible_buffer) {
        return;
    }
    first = std::max(first, 0);
    end = std::min(end, ctx->height);
    if (first < end) {
        fast_fill(ctx->dirty_rows + first, 1, static_cast<size_t>(end - first));
    }
}
