// Scrolling a text window: framebuffer rows and text cells move up together.
#include <algorithm>
#include <cstring>

#include "gfx/core/context.h"
#include "gfx/core/pixel.h"
#include "gfx/core/screen.h"
#include "gfx/text/text.h"

// Moves the window's pixel rows and text cells up by lines text rows, clears what is left below
// to the background, and leaves the window's cursor on its bottom row. A count of lines that
// covers the window, or a negative one, clears it all.
void gfx_text_scroll(TextWindow* window, int left, int top, int right, int bottom, int lines) {
    GfxContext* ctx = gfx_context;
    if (!ctx || !ctx->font || bottom < top || right < left) {
        return;
    }
    const int h = ctx->font->height;
    const int t = top * h;
    const int rows = ctx->target ? ctx->target->height : ctx->height;
    const int e = std::min((bottom + 1) * h, std::min(rows, ctx->rows_capacity));
    const int s = lines * h;
    const int columns = ctx->target_pitch / ctx->bytes_per_pixel;
    const int span = std::min((right - left + 1) * ctx->font->width, columns);

    if (t < e) {
        int clear_from = t;
        if (s >= 0 && s < e - t) {
            for (int i = 0; i < e - t - s; ++i) {
                copy_span(ctx->rows[t + i], ctx->rows[t + s + i], span);
            }
            clear_from = e - s;
        }
        for (int y = clear_from; y < e; ++y) {
            fill_span(ctx->rows[y], ctx->bg_colour, span);
        }
        gfx_text_window_dirty(window, t, e);
    }

    const int window_rows = bottom - top + 1;
    const int last_row = std::min(bottom, ctx->text_h - 1);
    if (ctx->text_pages && lines >= 0 && lines < window_rows) {
        TextCell* cells = ctx->text_pages[ctx->work_page];
        const int width = std::min(right - left + 1, ctx->text_w);
        for (int y = top; y + lines <= last_row; ++y) {
            std::memmove(cells + static_cast<size_t>(y) * ctx->text_w,
                         cells + static_cast<size_t>(y + lines) * ctx->text_w,
                         static_cast<size_t>(width) * sizeof(TextCell));
        }
        gfx_text_fill_cells(left, bottom - lines + 1, right + 1, bottom + 1, ctx->work_page, 32,
                            ctx->fg_colour, ctx->bg_colour);
    } else {
        gfx_text_fill_cells(left, top, right + 1, bottom + 1, ctx->work_page, 32, ctx->fg_colour,
                            ctx->bg_colour);
    }
    window->y = bottom;
}
