// Scanning, setting and clearing the changed-row marks.
#include "gfx/core/dirty_rows.h"

#include <cstring>

#include "gfx/core/context.h"

namespace {

// Bytes of marks a screen shows: one per window row.
size_t shown_rows(const GfxContext* ctx) {
    return static_cast<size_t>(ctx->height) * static_cast<size_t>(ctx->scanline_size);
}

} // namespace

// Scans down from the top for the first mark and up from the bottom for the last.
bool gfx_dirty_span(const uint8_t* marks, int rows, int* first, int* last) {
    if (!marks || rows <= 0) {
        return false;
    }
    int f = 0;
    while (f < rows && !marks[f]) {
        ++f;
    }
    if (f == rows) {
        return false;
    }
    int l = rows - 1;
    while (!marks[l]) {
        --l;
    }
    *first = f;
    *last = l;
    return true;
}

// Sets every shown row's mark.
void gfx_mark_all_rows_dirty(GfxContext* ctx) {
    if (ctx && ctx->dirty_rows) {
        std::memset(ctx->dirty_rows, 1, shown_rows(ctx));
    }
}

// Clears every shown row's mark.
void gfx_clear_row_marks(GfxContext* ctx) {
    if (ctx && ctx->dirty_rows) {
        std::memset(ctx->dirty_rows, 0, shown_rows(ctx));
    }
}
