// The text cursor: placing it, stepping it back and the position and size queries.
#include <algorithm>

#include "gfx/core/context.h"
#include "gfx/text/text.h"
#include "rt/rt.h"

// Stores the cursor; negative values keep a coordinate, values beyond the text size are held to
// the last row or column so that printing always starts inside the text area.
void gfx_text_set_cursor(int row, int column) {
    GfxContext* ctx = gfx_context;
    if (!ctx) {
        return;
    }
    if (row >= 0) {
        ctx->cursor_y = std::min(row, std::max(ctx->text_h - 1, 0));
    }
    if (column >= 0) {
        ctx->cursor_x = std::min(column, std::max(ctx->text_w - 1, 0));
    }
}

// Places the cursor at a 1-based row and column (0 or less keeps it), drops a pending line feed
// and tells the console the new output column. Returns the packed position plus 0x101.
int gfx_text_locate(int row, int column, int) {
    GfxContext* ctx = gfx_context;
    if (!ctx) {
        return 0;
    }
    ctx->flags &= ~CTX_PENDING_NEWLINE;
    gfx_text_set_cursor(row - 1, column - 1);
    rt_set_output_column(ctx->cursor_x);
    return (((ctx->cursor_y & 0xFF) << 8) | (ctx->cursor_x & 0xFF)) + 0x101;
}

// Moves the cursor one cell back; from column 0 to the last column of the row above.
void gfx_text_back_one() {
    GfxContext* ctx = gfx_context;
    if (!ctx) {
        return;
    }
    if (--ctx->cursor_x < 0) {
        --ctx->cursor_y;
        ctx->cursor_x = ctx->text_w - 1;
    }
}

// The cursor's column, 1-based.
int gfx_text_get_column() { return gfx_context ? gfx_context->cursor_x + 1 : 0; }

// The cursor's row, 1-based.
int gfx_text_get_row() { return gfx_context ? gfx_context->cursor_y + 1 : 0; }

// The cursor's column and row, 1-based; either pointer may be null.
void gfx_text_get_position(int* column, int* row) {
    if (column) {
        *column = gfx_text_get_column();
    }
    if (row) {
        *row = gfx_text_get_row();
    }
}

// The text size in columns and rows; either pointer may be null.
void gfx_text_get_size(int* columns, int* rows) {
    const GfxContext* ctx = gfx_context;
    if (columns) {
        *columns = ctx ? ctx->text_w : 0;
    }
    if (rows) {
        *rows = ctx ? ctx->text_h : 0;
    }
}
