// Set-mode: tears down the old screen and builds the context, buffers and driver of the new one.
#include <climits>
#include <cstdlib>

#include "gfx/core/builtin_data.h"
#include "gfx/core/driver_choice.h"
#include "gfx/core/driver_report.h"
#include "gfx/core/module_title.h"
#include "gfx/core/palette.h"
#include "gfx/core/pixel.h"
#include "gfx/core/runtime_hooks.h"
#include "gfx/core/screen.h"
#include "gfx/core/screen_tables.h"
#include "gfx/core/zalloc.h"
#include "rt/rt.h"

namespace {

bool exit_hook_registered = false;

// Closes the driver and frees every buffer of the current context, then the context itself and
// the screen's library-wide tables. Safe on a half-built context: unallocated buffers are null.
void free_context() {
    GfxContext* ctx = gfx_context;
    if (ctx) {
        if (ctx->driver && ctx->driver->exit) {
            ctx->driver->exit();
        }
        gfx_text_pages_reset(0);
        if (ctx->pages) {
            for (int i = 0; i < ctx->num_pages; ++i) {
                std::free(ctx->pages[i]);
            }
        }
        std::free(ctx->pages);
        std::free(ctx->rows);
        std::free(ctx->palette);
        std::free(ctx->colour_table);
        std::free(ctx->attribute_map);
        std::free(ctx->dirty_rows);
        std::free(ctx->key_state);
        std::free(ctx);
        gfx_context = nullptr;
    }
    for (const ScreenTable* table = SCREEN_TABLES; table->storage; ++table) {
        std::free(*table->storage);
        *table->storage = nullptr;
    }
}

// Allocates every library-wide screen table; false when memory runs out.
bool allocate_screen_tables() {
    bool complete = true;
    for (const ScreenTable* table = SCREEN_TABLES; table->storage; ++table) {
        *table->storage = static_cast<uint32_t*>(
            gfx_zalloc(static_cast<size_t>(table->entries), sizeof(uint32_t)));
        complete = complete && *table->storage;
    }
    return complete;
}

// Gives the statements back to the console: no hooks, an 80 x 50 console, cursor at the top left.
void restore_console() {
    gfx_clear_hooks();
    rt_set_console_size(80, 50);
    rt_locate(1, 1);
}

// The depth a screen of this row gets: the row's, a requested true-colour depth for modes above
// 13, at least 16 for OpenGL; then 15 and 24 folded into 16 and 32.
int effective_depth(const ScreenModeInfo* info, int mode, int depth, int flags) {
    int d = info->depth;
    if (mode > 13 && (depth == 8 || depth == 15 || depth == 16 || depth == 24 || depth == 32)) {
        d = depth;
    }
    if (flags >= 0 && (flags & SCREEN_OPENGL) && d < 16) {
        d = 16;
    }
    if (d == 15) {
        return 16;
    }
    if (d == 24) {
        return 32;
    }
    return d;
}

// Whether a mode row describes a screen this library can build.
bool row_is_valid(const ScreenModeInfo* info, int depth) {
    const bool depth_ok =
        depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16 || depth == 32;
    return depth_ok && info->width > 0 && info->height > 0 &&
           (info->scanline_size == 1 || info->scanline_size == 2) && info->palette && info->font &&
           info->text_w >= 0 && info->text_h >= 0;
}

// Fills in the new context's geometry and allocates its zero-filled buffers. Returns false when
// a size is too large or memory runs out; what was allocated is then freed by free_context.
bool build_buffers(GfxContext* ctx, const ScreenModeInfo* info, int mode, int depth,
                   int num_pages) {
    ctx->mode = mode;
    ctx->width = info->width;
    ctx->height = info->height;
    ctx->depth = depth;
    ctx->default_palette = info->palette;
    ctx->scanline_size = info->scanline_size;
    ctx->font = info->font;
    ctx->colour_mask = depth == 16 ? 0xFFFFu : depth == 32 ? 0xFFFFFFFFu : (1u << depth) - 1u;
    ctx->bytes_per_pixel = (depth + 7) / 8;
    if (ctx->width > INT_MAX / ctx->bytes_per_pixel) {
        return false;
    }
    ctx->pitch = ctx->target_pitch = ctx->width * ctx->bytes_per_pixel;

    const auto height = static_cast<size_t>(ctx->height);
    ctx->pages =
        static_cast<uint8_t**>(gfx_zalloc(static_cast<size_t>(num_pages), sizeof(uint8_t*)));
    if (!ctx->pages) {
        return false;
    }
    ctx->num_pages = num_pages;
    for (int i = 0; i < num_pages; ++i) {
        ctx->pages[i] = static_cast<uint8_t*>(gfx_zalloc(height, static_cast<size_t>(ctx->pitch)));
        if (!ctx->pages[i]) {
            return false;
        }
    }
    ctx->visible_buffer = ctx->pages[0];
    ctx->rows = static_cast<uint8_t**>(gfx_zalloc(height, sizeof(uint8_t*)));
    if (!ctx->rows) {
        return false;
    }
    for (size_t y = 0; y < height; ++y) {
        ctx->rows[y] = ctx->pages[0] + y * static_cast<size_t>(ctx->pitch);
    }
    ctx->dirty_rows =
        static_cast<uint8_t*>(gfx_zalloc(height, static_cast<size_t>(ctx->scanline_size)));
    ctx->palette = static_cast<uint32_t*>(gfx_zalloc(256, sizeof(uint32_t)));
    ctx->colour_table = static_cast<uint32_t*>(gfx_zalloc(256, sizeof(uint32_t)));
    ctx->attribute_map = static_cast<uint8_t*>(gfx_zalloc(16, 1));
    ctx->key_state = static_cast<uint8_t*>(gfx_zalloc(128, 1));
    const bool tables = allocate_screen_tables();
    return ctx->dirty_rows && ctx->palette && ctx->colour_table && ctx->attribute_map &&
           ctx->key_state && tables;
}

// Undoes a half-built screen: frees it, gives the console back, reports runtime error 1.
int fail_open() {
    free_context();
    restore_console();
    return rt_set_error(RT_ERR_ILLEGAL_CALL);
}

// Builds and opens the screen of one mode row (steps after the old screen is gone).
int open_screen(const ScreenModeInfo* info, int mode, int depth, int num_pages, int refresh_rate,
                int flags) {
    gfx_install_hooks();
    gfx_context = static_cast<GfxContext*>(gfx_zalloc(1, sizeof(GfxContext)));
    GfxContext* ctx = gfx_context;
    if (!ctx || !build_buffers(ctx, info, mode, depth, num_pages)) {
        return fail_open();
    }
    gfx_select_pixel_routines();
    if (decode_builtin_data() != 0) {
        return fail_open();
    }
    if (gfx_title[0] == '\0') {
        gfx_title_from_module();
    }
    const GfxDriver* driver = gfx_choose_driver(ctx->width, ctx->height * ctx->scanline_size,
                                                ctx->depth, refresh_rate, flags);
    if (!driver) {
        return fail_open();
    }
    ctx->driver = driver;
    gfx_palette(-1, 0, 0, 0);
    ctx->fg_colour = ctx->depth == 8 ? 15u : ctx->colour_mask;
    ctx->view_w = ctx->width;
    ctx->view_h = ctx->rows_capacity = ctx->height;
    ctx->text_w = info->text_w;
    ctx->text_h = info->text_h;
    if (gfx_text_pages_reset(1) != 0) {
        return fail_open();
    }
    if (!exit_hook_registered) {
        exit_hook_registered = std::atexit(gfx_exit_hook) == 0;
    }
    return 0;
}

} // namespace

// Closes the open screen, then opens the one info describes (or none when info is null or mode
// is 0), and points the console's text view and cursor at the result.
int gfx_set_mode(const ScreenModeInfo* info, int mode, int depth, int num_pages, int refresh_rate,
                 int flags) {
    const bool closing = mode == 0 || !info;
    const int new_depth = closing ? 0 : effective_depth(info, mode, depth, flags);
    if (!closing && !row_is_valid(info, new_depth)) {
        return rt_set_error(RT_ERR_ILLEGAL_CALL);
    }
    if (num_pages <= 0) {
        num_pages = 1;
    }
    free_context();
    gfx_driver_report_clear();
    if (closing) {
        restore_console();
    } else {
        const int result = open_screen(info, mode, new_depth, num_pages, refresh_rate, flags);
        if (result != 0) {
            return result;
        }
    }
    if (flags != SCREEN_CLOSING) {
        rt_set_view_rows(0, 0);
        if (gfx_context) {
            rt_locate(1, 1);
        }
    }
    return 0;
}

// Closes the screen, if one is open, as the process exits.
void gfx_exit_hook() {
    if (gfx_context) {
        gfx_set_mode(nullptr, 0, 0, 0, 0, SCREEN_CLOSING);
    }
}
