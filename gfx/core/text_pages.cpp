// The text pages of the open screen: what was printed in each cell of each page.
#include <algorithm>
#include <cstdlib>

#include "gfx/core/screen.h"
#include "gfx/core/zalloc.h"

// Frees every text page; with allocate, makes num_pages blank pages in the default colours.
int gfx_text_pages_reset(int allocate) {
    GfxContext* ctx = gfx_context;
    if (!ctx) {
        return allocate ? -1 : 0;
    }
    if (ctx->text_pages) {
        for (int i = 0; i < ctx->num_pages; ++i) {
            std::free(ctx->text_pages[i]);
        }
        std::free(ctx->text_pages);
        ctx->text_pages = nullptr;
    }
    if (!allocate) {
        return 0;
    }
    if (ctx->num_pages <= 0 || ctx->text_w < 0 || ctx->text_h < 0) {
        return -1;
    }
    const size_t cells = static_cast<size_t>(ctx->text_w) * static_cast<size_t>(ctx->text_h);
    auto** pages =
        static_cast<TextCell**>(gfx_zalloc(static_cast<size_t>(ctx->num_pages), sizeof(TextCell*)));
    if (!pages) {
        return -1;
    }
    for (int i = 0; i < ctx->num_pages; ++i) {
        pages[i] = static_cast<TextCell*>(gfx_zalloc(cells, sizeof(TextCell)));
        if (!pages[i]) {
            for (int j = 0; j < i; ++j) {
                std::free(pages[j]);
            }
            std::free(pages);
            return -1;
        }
    }
    ctx->text_pages = pages;
    gfx_text_fill_cells(0, 0, ctx->text_w, ctx->text_h, ctx->work_page, 32, ctx->fg_colour,
                        ctx->bg_colour);
    return 0;
}

// Sets the cells of a rectangle of one text page, clipped to the page.
void gfx_text_fill_cells(int x1, int y1, int x2, int y2, int page, int code, uint32_t fg,
                         uint32_t bg) {
    GfxContext* ctx = gfx_context;
    if (!ctx || !ctx->text_pages || page < 0 || page >= ctx->num_pages) {
        return;
    }
    x1 = std::max(x1, 0);
    y1 = std::max(y1, 0);
    x2 = std::min(x2, ctx->text_w);
    y2 = std::min(y2, ctx->text_h);
    const TextCell cell = {static_cast<uint32_t>(code) & 0xFFFFu, fg, bg};
    TextCell* cells = ctx->text_pages[page];
    for (int y = y1; y < y2; ++y) {
        for (int x = x1; x < x2; ++x) {
            cells[static_cast<size_t>(y) * static_cast<size_t>(ctx->text_w) +
                  static_cast<size_t>(x)] = cell;
        }
    }
}
