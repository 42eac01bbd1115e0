// Page operations of the open screen: copying and presenting pages, choosing the work and the
// visible page, and waiting for the vertical retrace.
#include <algorithm>
#include <cstddef>
#include <optional>

#include "gfx/core/context.h"
#include "gfx/core/pages.h"
#include "gfx/core/pixel.h"
#include "rt/rt.h"

namespace {

// The part of the view rectangle that lies inside the framebuffer.
struct RowSpan {
    int x;
    int y;
    int w;
    int h;
};

// The view rectangle clipped to the screen, so that a copy never leaves the pages.
RowSpan clipped_view(const GfxContext* ctx) {
    const int x0 = std::clamp(ctx->view_x, 0, ctx->width);
    const int y0 = std::clamp(ctx->view_y, 0, ctx->height);
    const int x1 = std::clamp(ctx->view_x + std::max(ctx->view_w, 0), x0, ctx->width);
    const int y1 = std::clamp(ctx->view_y + std::max(ctx->view_h, 0), y0, ctx->height);
    return {x0, y0, x1 - x0, y1 - y0};
}

// Copies the text cells of page src onto page dst when both exist and differ.
void copy_text_page(GfxContext* ctx, int src, int dst) {
    if (src == dst || src >= ctx->num_pages || dst >= ctx->num_pages || !ctx->text_pages ||
        !ctx->text_pages[src] || !ctx->text_pages[dst]) {
        return;
    }
    GfxLockGuard lock(ctx);
    const size_t cells = static_cast<size_t>(ctx->text_w) * static_cast<size_t>(ctx->text_h);
    fast_copy(ctx->text_pages[dst], ctx->text_pages[src], cells * sizeof(TextCell));
}

// Copies the view rectangle's rows from src to dst, one pitch apart in both.
void copy_view(const GfxContext* ctx, const RowSpan& view, uint8_t* dst, const uint8_t* src) {
    const size_t start = static_cast<size_t>(view.y) * static_cast<size_t>(ctx->pitch) +
                         static_cast<size_t>(view.x) * static_cast<size_t>(ctx->bytes_per_pixel);
    const size_t bytes = static_cast<size_t>(view.w) * static_cast<size_t>(ctx->bytes_per_pixel);
    dst += start;
    src += start;
    for (int row = 0; row < view.h; ++row) {
        fast_copy(dst, src, bytes);
        dst += ctx->pitch;
        src += ctx->pitch;
    }
}

} // namespace

// Copies page src onto page dst inside the view (negative: work page, visible page), marking
// the rows dirty when the visible page changes; a driver that presents frames itself (OpenGL)
// only presents. Text cells follow the pixels between distinct pages.
void gfx_flip(int src_page, int dst_page) {
    GfxContext* ctx = gfx_context;
    if (!ctx) {
        return;
    }
    copy_text_page(ctx, src_page < 0 ? ctx->work_page : src_page,
                   dst_page < 0 ? ctx->work_page : dst_page);
    if (ctx->driver->flip) {
        ctx->driver->flip();
        return;
    }
    gfx_set_target(nullptr);
    if (src_page >= ctx->num_pages || dst_page >= ctx->num_pages) {
        return;
    }
    const uint8_t* src = ctx->pages[src_page < 0 ? ctx->work_page : src_page];
    uint8_t* dst = dst_page < 0 ? ctx->visible_buffer : ctx->pages[dst_page];
    if (src == dst) {
        return;
    }
    const RowSpan view = clipped_view(ctx);
    std::optional<GfxLockGuard> lock;
    const bool shown = dst == ctx->visible_buffer && !(ctx->flags & CTX_LOCKED);
    if (shown) {
        lock.emplace(ctx);
    }
    copy_view(ctx, view, dst, src);
    if (shown) {
        fast_fill(ctx->dirty_rows + view.y, 1, static_cast<size_t>(view.h));
    }
}

// Points drawing at page work and shows page visible; a negative argument keeps that choice,
// both negative choose page 0 for both, and pages that do not exist are ignored. While an
// image is the drawing target only the work page is recorded: drawing returns to it when the
// target goes back to the screen.
void gfx_screen_set(int work_page, int visible_page) {
    GfxContext* ctx = gfx_context;
    if (!ctx) {
        return;
    }
    if (work_page < 0 && visible_page < 0) {
        work_page = visible_page = 0;
    }
    if (work_page >= 0 && work_page < ctx->num_pages) {
        if (!(ctx->flags & CTX_TARGET_IMAGE)) {
            for (int row = 0; row < ctx->height; ++row) {
                ctx->rows[row] = ctx->pages[work_page] + static_cast<size_t>(row) * ctx->pitch;
            }
        }
        ctx->work_page = work_page;
    }
    if (visible_page >= 0 && visible_page < ctx->num_pages &&
        ctx->pages[visible_page] != ctx->visible_buffer) {
        GfxLockGuard lock(ctx);
        ctx->visible_buffer = ctx->pages[visible_page];
        fast_fill(ctx->dirty_rows, 1, static_cast<size_t>(ctx->height));
    }
}

// Waits for the display's vertical retrace when the driver can; runtime error 1 without a screen.
int gfx_screen_sync() {
    GfxContext* ctx = gfx_context;
    if (!ctx) {
        return rt_set_error(RT_ERR_ILLEGAL_CALL);
    }
    if (ctx->driver->wait_vsync) {
        ctx->driver->wait_vsync();
    }
    return 0;
}
