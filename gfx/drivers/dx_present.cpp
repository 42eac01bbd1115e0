// The DirectDraw driver's part of a pass: the vertical-blank handshake, lost surfaces and the
// palette, then the marked rows converted straight into the locked target.
#include "gfx/blit/blitter.h"
#include "gfx/core/context.h"
#include "gfx/core/dirty_rows.h"
#include "gfx/drivers/dx_state.h"
#include "gfx/win32/win32_software.h"

namespace {

// The longest a pass waits for the program thread's vertical blank.
constexpr DWORD VSYNC_WAIT_MS = 20;

// Brings a lost surface back; its contents are gone, so every row is to be drawn again. Returns
// whether the surface was lost.
bool restore_if_lost(IDirectDrawSurface* surface) {
    if (surface->IsLost() == DD_OK) {
        return false;
    }
    if (SUCCEEDED(surface->Restore())) {
        gfx_mark_all_rows_dirty(gfx_context);
    }
    return true;
}

} // namespace

// Waits for the vertical blank the program thread asked for, then, while the screen is shown,
// brings lost surfaces back and applies a changed palette on an 8-bit display.
bool dx_prepare() {
    if (InterlockedExchange(&dx.vsync_requested, 0) && dx.vsync_event) {
        WaitForSingleObject(dx.vsync_event, VSYNC_WAIT_MS);
    }
    if (!win32_screen_shown() || !dx.primary || !dx.target) {
        return false;
    }
    bool worked = restore_if_lost(dx.primary);
    if (dx.target != dx.primary && restore_if_lost(dx.target)) {
        worked = true;
    }
    if (win32_window.palette_dirty && dx.palette) {
        dx.palette->SetEntries(0, 0, WIN32_PALETTE_SIZE, win32_window.palette_entries);
        win32_window.palette_dirty = 0;
        worked = true;
    }
    return worked;
}

// The blitter writes the window's rows (height times scanline size) of the window's width from
// row y_offset on: the locked surface must have them all.
bool dx_surface_holds(const DDSURFACEDESC& desc, int width, int height, int y_offset) {
    const int64_t bytes = (static_cast<int64_t>(desc.ddpfPixelFormat.dwRGBBitCount) + 7) / 8;
    const int64_t pitch = desc.lPitch < 0 ? -int64_t{desc.lPitch} : int64_t{desc.lPitch};
    return desc.lpSurface && y_offset >= 0 && static_cast<int64_t>(desc.dwWidth) >= width &&
           static_cast<int64_t>(desc.dwHeight) >= int64_t{y_offset} + height &&
           pitch >= bytes * width;
}

// Converts the marked rows into the locked target, enlarges them there on a scaled window, and
// shows the span's window rows; the blitter finds the marked rows itself. A target that cannot be
// locked, or that is smaller than the scaled screen, gets nothing and keeps the marks.
bool dx_present_span(int first, int last) {
    if (!dx.target || !win32_window.blitter) {
        return false;
    }
    DDSURFACEDESC desc{};
    desc.dwSize = sizeof desc;
    if (FAILED(dx.target->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr))) {
        return false;
    }
    const int scale = dx.target == dx.primary || win32_window.scale < 1 ? 1 : win32_window.scale;
    const bool holds = dx_surface_holds(desc, win32_window.width * scale,
                                        win32_window.height * scale, dx.y_offset);
    if (holds) {
        auto* surface = static_cast<uint8_t*>(desc.lpSurface) +
                        static_cast<ptrdiff_t>(desc.lPitch) * dx.y_offset;
        win32_window.blitter(surface, desc.lPitch * scale);
        if (scale > 1) {
            const int bytes = static_cast<int>(desc.ddpfPixelFormat.dwRGBBitCount + 7) / 8;
            blit_scale_rows(surface, desc.lPitch, bytes, scale);
        }
    }
    dx.target->Unlock(desc.lpSurface);
    if (!holds) {
        return false;
    }
    const int scan = gfx_context ? gfx_context->scanline_size : 1;
    dx_show_rows(first * scan, (last + 1) * scan - 1);
    return true;
}
