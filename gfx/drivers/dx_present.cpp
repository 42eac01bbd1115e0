// One presenting pass of the DirectDraw driver's display thread.
#include <cstring>

#include "gfx/core/context.h"
#include "gfx/drivers/dx_state.h"
#include "gfx/win32/win32_window.h"

namespace {

// Brings a lost surface back; its contents are gone, so every row is to be drawn again. Returns
// whether the surface was lost.
bool restore_if_lost(IDirectDrawSurface* surface) {
    if (surface->IsLost() == DD_OK) return false;
    if (SUCCEEDED(surface->Restore())) win32_mark_all_rows_dirty();
    return true;
}

// Whether any of the first `rows` marks is set.
bool any_marked(const uint8_t* marks, int rows) {
    for (int y = 0; y < rows; ++y) {
        if (marks[y]) return true;
    }
    return false;
}

} // namespace

// Brings lost surfaces back, applies a changed palette on an 8-bit display, converts the dirty
// rows straight into the locked target, clears their marks and shows the window. A pass with no
// marked row leaves the surfaces and the window alone (WM_PAINT repaints an uncovered window),
// so an idle screen costs next to nothing. A target that cannot be locked keeps the marks.
bool dx_present() {
    GfxContext* ctx = gfx_context;
    if (!dx.primary || !dx.target || !ctx || !ctx->dirty_rows) return false;
    bool worked = restore_if_lost(dx.primary);
    if (dx.target != dx.primary && restore_if_lost(dx.target)) worked = true;
    if (win32_window.palette_dirty && dx.palette) {
        dx.palette->SetEntries(0, 0, WIN32_PALETTE_SIZE, win32_window.palette_entries);
        win32_window.palette_dirty = 0;
        worked = true;
    }
    if (!any_marked(ctx->dirty_rows, win32_window.height)) return worked;
    DDSURFACEDESC desc{};
    desc.dwSize = sizeof desc;
    if (FAILED(dx.target->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr))) return true;
    auto* surface = static_cast<uint8_t*>(desc.lpSurface);
    if (win32_window.blitter) {
        win32_window.blitter(surface + static_cast<ptrdiff_t>(desc.lPitch) * dx.y_offset, desc.lPitch);
    }
    dx.target->Unlock(desc.lpSurface);
    std::memset(ctx->dirty_rows, 0, static_cast<size_t>(win32_window.height));
    dx_paint();
    return true;
}
