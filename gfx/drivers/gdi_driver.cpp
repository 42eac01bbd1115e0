// The GDI driver's table row, its init and its display thread.
#include "gfx/drivers/gdi_driver.h"

#include "gfx/core/types.h"
#include "gfx/input/input.h"
#include "gfx/win32/win32_window.h"

namespace {

// The pause between two passes of the display thread, outside the lock.
constexpr DWORD PASS_INTERVAL_MS = 10;

} // namespace

GdiState gdi_state;

// Clears the window state, sets the driver's hooks and starts the window layer with a depth of
// at least 8: the bitmap of a paletted screen has 8 bits per pixel.
int gdi_init(const char* title, int width, int height, int depth, int refresh_rate, int flags) {
    win32_clear_window_state();
    if (flags & SCREEN_OPENGL) return -1;
    win32_window.enter_mode = gdi_enter_mode;
    win32_window.leave_mode = gdi_leave_mode;
    win32_window.paint_hook = gdi_paint;
    win32_window.thread_proc = gdi_thread;
    return win32_init(title, width, height, depth < 8 ? 8 : depth, refresh_rate, flags);
}

// One pass every PASS_INTERVAL_MS while the layer runs: present, sample the keys, pump the
// messages, all under the window lock, so the program's thread never sees half a pass.
unsigned __stdcall gdi_thread(void* event) {
    if (gdi_enter_mode() != 0) {
        gdi_leave_mode();
        return 1;
    }
    SetEvent(static_cast<HANDLE>(event));
    win32_window.is_active = 1;
    while (win32_window.is_running) {
        win32_lock();
        gdi_present();
        if (win32_window.is_active) sample_key_state();
        win32_pump_messages();
        win32_unlock();
        Sleep(PASS_INTERVAL_MS);
    }
    gdi_leave_mode();
    return 0;
}

const GfxDriver GFX_DRIVER_GDI = {
    "GDI",
    gdi_init,
    win32_exit,
    win32_lock,
    win32_unlock,
    win32_set_palette,
    win32_wait_vsync,
    win32_get_mouse,
    win32_set_mouse,
    win32_set_window_title,
    nullptr,
    nullptr,
    nullptr,
};
