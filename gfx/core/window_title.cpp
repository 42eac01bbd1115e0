// Setting the window title, for the open window and for windows opened later.
#include <algorithm>
#include <cstring>

#include "gfx/core/context.h"
#include "gfx/core/pages.h"
#include "gfx/core/screen.h"
#include "rt/rt.h"

// Keeps at most 127 characters of title in gfx_title, shows it on the open window, and releases
// the title when it is a temporary. A missing title, or one without characters behind a
// non-zero length, is runtime error 1 and keeps the old title.
void gfx_window_title(RtString* title) {
    const uint32_t length = rt_string_length(title);
    if (!title || (length > 0 && !title->data)) {
        rt_set_error(RT_ERR_ILLEGAL_CALL);
        rt_string_release_temp(title);
        return;
    }
    const size_t kept = std::min<size_t>(length, GFX_TITLE_SIZE - 1);
    std::memset(gfx_title, 0, GFX_TITLE_SIZE);
    if (kept > 0) {
        std::memcpy(gfx_title, title->data, kept);
    }
    GfxContext* ctx = gfx_context;
    if (ctx && ctx->driver->set_window_title) {
        ctx->driver->set_window_title(gfx_title);
    }
    rt_string_release_temp(title);
}
