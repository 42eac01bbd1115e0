// Direct access to the framebuffer: the program's own lock, row marks and the screen's geometry.
#include "qzgfx.h"

#include <algorithm>
#include <cstring>

#include "gfx/core/context.h"
#include "rt/rt.h"

// Locks through the driver unless the lock is already held, and marks it as the program's
// (CTX_LOCKED without CTX_AUTO_LOCKED), so operations inside keep it and leave it held.
uint8_t* gfx_screen_lock() {
    GfxContext* ctx = gfx_context;
    if (!ctx) {
        return nullptr;
    }
    if (!(ctx->flags & (CTX_LOCKED | CTX_AUTO_LOCKED))) {
        ctx->driver->lock();
        ctx->flags |= CTX_LOCKED;
    }
    return ctx->pages[ctx->work_page];
}

// Marks the drawn rows of the shown page for the display, then releases the program's lock; a
// lock some operation holds on its own (CTX_AUTO_LOCKED) is left to that operation.
void gfx_screen_unlock(int first_row, int last_row) {
    GfxContext* ctx = gfx_context;
    if (!ctx) {
        return;
    }
    const int first = std::max(first_row, 0);
    const int last = std::min(last_row, ctx->height - 1);
    if (first <= last && ctx->pages[ctx->work_page] == ctx->visible_buffer) {
        std::memset(ctx->dirty_rows + first, 1, static_cast<size_t>(last - first + 1));
    }
    if ((ctx->flags & CTX_LOCKED) && !(ctx->flags & CTX_AUTO_LOCKED)) {
        ctx->flags &= ~CTX_LOCKED;
        ctx->driver->unlock();
    }
}

// Reads the geometry a program needs to address pixels of the work page.
int gfx_screen_info(int* width, int* height, int* depth, int* pitch) {
    const GfxContext* ctx = gfx_context;
    const int values[4] = {ctx ? ctx->width : 0, ctx ? ctx->height : 0, ctx ? ctx->depth : 0,
                           ctx ? ctx->pitch : 0};
    int* outputs[4] = {width, height, depth, pitch};
    for (int i = 0; i < 4; ++i) {
        if (outputs[i]) {
            *outputs[i] = values[i];
        }
    }
    return ctx ? 0 : rt_set_error(RT_ERR_ILLEGAL_CALL);
}
