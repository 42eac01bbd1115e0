// Marking the whole screen for redrawing after the window changed.
#include <cstring>

#include "gfx/core/context.h"
#include "gfx/win32/win32_window.h"

// Marks every shown row of the open screen as changed, so the software drivers redraw it all.
void win32_mark_all_rows_dirty() {
    GfxContext* ctx = gfx_context;
    if (ctx && ctx->dirty_rows)
        std::memset(ctx->dirty_rows, 1, static_cast<size_t>(ctx->height) * ctx->scanline_size);
}
