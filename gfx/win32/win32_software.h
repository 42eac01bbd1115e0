// The skeleton the software drivers (GDI, DirectDraw) stand on: the window layer's init preamble,
// display thread and table row, into which each driver puts only what is its own.
#pragma once

#include <windows.h>

#include "gfx/core/driver.h"
#include "gfx/win32/win32_window.h"

// Entering, leaving and painting a driver's window mode: the window layer's hooks.
struct Win32ModeHooks {
    int (*enter_mode)() = nullptr;  // make the window and what shows it; 0, or -1 when refused
    void (*leave_mode)() = nullptr; // release what enter_mode made, as far as it got
    void (*paint)() = nullptr;      // WM_PAINT
};

// What a software driver supplies to the display thread; the rest of each pass is the layer's.
struct Win32SoftwareDriver {
    Win32ModeHooks mode;
    // The driver's own event that wakes a pass as a message does (DirectInput's report of a key
    // change), or null when only messages wake it.
    const HANDLE* input_event = nullptr;
    // Starts a pass with the lock held (a palette to apply, lost surfaces to restore). Returns
    // whether it called into the window system, which may have looked at the message queue.
    bool (*prepare)() = nullptr;
    // Presents framebuffer rows first .. last, clean rows between them included. false when
    // nothing could be presented: the marks then stay for the next pass.
    bool (*present_span)(int first, int last) = nullptr;
    // Reads the keyboard into the screen's key_state; false when it could not be read, so that
    // the next pass tries again. Null: the state the window's key messages keep is the keyboard.
    bool (*read_keyboard)() = nullptr;
};

// Every driver's init: clears the window state, refuses a screen of the other kind (a software
// driver an OpenGL screen, the OpenGL driver a software one), installs the mode hooks and opens
// the window layer with a depth of at least 8. A software driver (`software` not null) gets the
// layer's display thread. 0, or -1 when refused or the window could not be made.
int win32_open(const Win32ModeHooks& hooks, const Win32SoftwareDriver* software, const char* title,
               int width, int height, int depth, int refresh_rate, int flags);

// The init slot of a software driver: win32_open with the driver's steps.
template <const Win32SoftwareDriver& driver>
int win32_software_init(const char* title, int width, int height, int depth, int refresh_rate,
                        int flags) {
    return win32_open(driver.mode, &driver, title, width, height, depth, refresh_rate, flags);
}

// The display thread of every software driver: enters the mode, signals `event`, runs passes at
// least 10 ms apart until the layer stops, then leaves the mode.
unsigned __stdcall win32_display_thread(void* event);

// Makes the library's window with the given style, its client area the screen's size times the
// scale (the program's setting, or the one the display's DPI gives) and centred on the desktop,
// and stores it and its scale in win32_window. Null when it could not be made.
HWND win32_create_centred_window(DWORD style);

// Makes the library's window as a borderless popup over the whole display, for a full screen
// without a mode change: the picture at the largest whole scale that fits, centred. Stores it,
// its scale and the picture's origin in win32_window. Null when it could not be made.
HWND win32_create_desktop_window();

// Whether a pass shows anything: always in a window, in full screen only while active.
bool win32_screen_shown();

// The table row of a software driver: its name, its steps, its retrace wait and its mode list;
// the window layer supplies the other slots.
template <const Win32SoftwareDriver& driver>
constexpr GfxDriver win32_software_row(const char* name, void (*wait_vsync)(),
                                       decltype(GfxDriver::fetch_modes) fetch_modes) {
    return GfxDriver{
        .name = name,
        .init = win32_software_init<driver>,
        .exit = win32_exit,
        .lock = win32_lock,
        .unlock = win32_unlock,
        .set_palette = win32_set_palette,
        .wait_vsync = wait_vsync,
        .get_mouse = win32_get_mouse,
        .set_mouse = win32_set_mouse,
        .set_window_title = win32_set_window_title,
        .fetch_modes = fetch_modes,
        .apply_scale = win32_apply_scale,
    };
}
