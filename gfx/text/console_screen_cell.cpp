// Reading back what was printed in a text cell of the work page.
#include <cstddef>

#include "gfx/core/context.h"
#include "gfx/text/text.h"

// The character (mode 0) or the colours of the cell at a 1-based column and row: foreground and
// background packed by depth, or on deeper screens the background (mode 2) or foreground.
// 0 outside the text area.
int gfx_screen_cell(int column, int row, int mode) {
    const GfxContext* ctx = gfx_context;
    if (!ctx || !ctx->text_pages || column < 1 || column > ctx->text_w || row < 1 ||
        row > ctx->text_h) {
        return 0;
    }
    const TextCell& cell =
        ctx->text_pages[ctx->work_page][static_cast<size_t>(row - 1) * ctx->text_w +
                                        static_cast<size_t>(column - 1)];
    if (mode == 0) {
        return static_cast<int>(cell.code & 0xFFFF);
    }
    if (ctx->depth <= 4) {
        return static_cast<int>(cell.foreground + cell.background * 16);
    }
    if (ctx->depth <= 8) {
        return static_cast<int>(cell.foreground + cell.background * 256);
    }
    return static_cast<int>(mode == 2 ? cell.background : cell.foreground);
}
