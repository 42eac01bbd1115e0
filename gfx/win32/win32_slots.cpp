// The driver slots that every window-based driver shares: lock, palette, retrace and title.
#include <cstdio>
#include <cstring>

#include "gfx/core/context.h"
#include "gfx/win32/win32_window.h"

namespace {

// The wait used when the display's refresh rate is unknown.
constexpr int DEFAULT_VSYNC_MS = 16;

// Whether the window lock exists: only for a screen with a display thread.
bool lock_exists() { return win32_layer.has_window_lock != 0; }

} // namespace

// Keeps the display thread off the framebuffer, palette and key state.
void win32_lock() {
    if (lock_exists()) {
        EnterCriticalSection(&win32_layer.window_lock);
    }
}

// Lets the display thread run again.
void win32_unlock() {
    if (lock_exists()) {
        LeaveCriticalSection(&win32_layer.window_lock);
    }
}

// Records one palette entry for the display thread to apply.
void win32_set_palette(int index, int red, int green, int blue) {
    if (index < 0 || index >= WIN32_PALETTE_SIZE) {
        return;
    }
    PALETTEENTRY& entry = win32_window.palette_entries[index];
    entry.peRed = static_cast<BYTE>(red);
    entry.peGreen = static_cast<BYTE>(green);
    entry.peBlue = static_cast<BYTE>(blue);
    entry.peFlags = PC_NOCOLLAPSE;
    win32_window.palette_dirty = 1;
}

// One refresh period in milliseconds; rates of 0 and 1 mean the hardware default, not a rate.
int win32_vsync_delay_ms(int refresh_rate) {
    return refresh_rate > 1 ? 1000 / refresh_rate : DEFAULT_VSYNC_MS;
}

// Waits one refresh period of the open screen's display.
void win32_wait_vsync() {
    Sleep(static_cast<DWORD>(win32_vsync_delay_ms(gfx_context ? gfx_context->refresh_rate : 0)));
}

// Shows a new window title and keeps it for windows the display thread re-creates. The copy is
// changed under the lock, since the display thread reads it inside its pass; SetWindowTextA then
// runs outside the lock, because the display thread must take the lock to answer its message. A
// lock the caller holds is taken again afterwards.
void win32_set_window_title(const char* title) {
    if (!title) {
        title = "";
    }
    const bool locked = lock_exists();
    const bool caller_holds = locked && gfx_context && (gfx_context->flags & CTX_LOCKED);
    if (locked && !caller_holds) {
        EnterCriticalSection(&win32_layer.window_lock);
    }
    std::snprintf(win32_layer.title, sizeof win32_layer.title, "%s", title);
    char shown[WIN32_TITLE_SIZE];
    std::memcpy(shown, win32_layer.title, sizeof shown);
    HWND window = win32_window.hwnd;
    if (locked) {
        LeaveCriticalSection(&win32_layer.window_lock);
    }
    SetWindowTextA(window, shown);
    if (caller_holds) {
        EnterCriticalSection(&win32_layer.window_lock);
    }
}
