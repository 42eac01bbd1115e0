// The window layer that every display driver shares: the window class, the display thread's
// start-up, the lock, the palette and mouse state, and the window procedure.
#pragma once

#include <windows.h>

#include <cstdint>

#include "gfx/blit/blitter.h"

// The body of a software driver's display thread. Its argument is the start-up event: the thread
// signals it once its window exists and then runs while is_running is 1; a thread that cannot make
// its window returns without signalling. Started with _beginthreadex, hence __stdcall.
using Win32ThreadProc = unsigned(__stdcall*)(void* event);

struct Win32SoftwareDriver;

constexpr int WIN32_CLASS_NAME_SIZE = 140;
constexpr int WIN32_PALETTE_SIZE = 256;
// The window title's buffer: at most 127 characters and a terminating zero.
constexpr int WIN32_TITLE_SIZE = 128;

// The part of the window layer's state that each driver's init clears (win32_clear_window_state)
// before it fills the hooks and calls win32_init.
struct Win32WindowState {
    int os_version;      // (major << 8) | minor; mouse wheel messages count only above 0x409
    HINSTANCE hinstance; // GetModuleHandleA(NULL)
    WNDCLASSA wnd_class; // the registered class
    HWND hwnd;           // the library's window, set by the driver that creates it
    PALETTEENTRY palette_entries[WIN32_PALETTE_SIZE]; // for the display thread, PC_NOCOLLAPSE
    Blitter blitter;                                  // the software drivers' row converter
    volatile int is_running; // 1 from win32_init until win32_exit; polled by the display thread
    int palette_dirty;       // palette_entries changed and are not yet applied
    volatile int is_active;  // the application is active
    int width;               // client width
    int height;              // client height: screen height times scanline size
    int depth;               // bits per pixel requested
    int flags;               // screen flags; SCREEN_FULLSCREEN toggles on a switch
    int refresh_rate;        // requested rate, 0 = any
    int scale;               // display pixels per framebuffer pixel, each way; 1 in a display mode
    int origin_x;            // client position of the picture's top-left corner: 0, 0 but in
    int origin_y;            // a full screen over the desktop, where the picture is centred
    int over_desktop;        // full screen as a borderless window over the desktop (no mode change)
    const char* title;       // the layer's own copy (Win32LayerState::title), set by win32_init
    char class_name[WIN32_CLASS_NAME_SIZE]; // "qzgfxclass_" followed by the title
    int (*enter_mode)();         // apply the current windowed or full-screen mode; 0 on success
    void (*leave_mode)();        // undo the current mode
    void (*paint_hook)();        // called on WM_PAINT
    Win32ThreadProc thread_proc; // software drivers only
    const Win32SoftwareDriver* software; // the software driver's own steps; null for OpenGL
};

// The part of the window layer's state that the drivers leave alone.
struct Win32LayerState {
    CRITICAL_SECTION window_lock;  // exists only while a display thread exists
    int has_window_lock;           // 1 while window_lock is initialised
    HANDLE thread_handle;          // the display thread, null for an OpenGL screen
    int saved_screensaver;         // whether the screen saver was active before win32_init
    int cursor_visible;            // 1 while the pointer is shown
    UINT cursor_message;           // the registered "QZ mouse cursor" message
    int mouse_buttons;             // bit 0 left, bit 1 right, bit 2 middle
    int mouse_wheel;               // one step per wheel message
    char title[WIN32_TITLE_SIZE];  // the title a re-created window gets; changed under the lock
    volatile int keyboard_changed; // a key message, input event or activation change came since
                                   // the display thread last read the keyboard
};

extern Win32WindowState win32_window;
extern Win32LayerState win32_layer;

// The name under which the pointer show/hide message is registered.
extern const char WIN32_CURSOR_MESSAGE_NAME[];
// The prefix of the window class name; the title follows it.
extern const char WIN32_CLASS_PREFIX[];
// The icon resource the class asks the program for.
extern const char WIN32_ICON_NAME[];

// Zeroes win32_window, as each driver does at the start of its init.
void win32_clear_window_state();

// Readies the window layer: version, cursor message, screen saver, window class and, for a
// software screen, the display thread. 0 when ready, -1 when the display thread ended first.
int win32_init(const char* title, int width, int height, int depth, int refresh_rate, int flags);

// Closes the window layer: stops the display thread, restores the screen saver, unregisters the
// class. Does nothing when the layer is not running.
void win32_exit();

// Starts win32_window.thread_proc and waits until it signals its window or ends. 0 when it
// signalled, -1 otherwise. Creates the window lock first.
int win32_start_display_thread();

// Stops the display thread started by win32_start_display_thread (is_running must already be 0).
void win32_stop_display_thread();

// The window procedure of the library's window class.
LRESULT CALLBACK gfx_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// Switches between windowed and full screen through the driver's hooks, falling back to the
// previous mode when the new one is refused. Returns 0.
LRESULT win32_switch_mode();

// Makes the open software window again at the scale the setting and the display now give, as a
// switch re-makes it (the display thread, on WIN32_RESCALE_MESSAGE or a DPI change). A full screen
// keeps its scale. Returns 0.
LRESULT win32_rescale();

// The message the program thread sends the window to have win32_rescale run on the display thread.
constexpr UINT WIN32_RESCALE_MESSAGE = WM_APP + 0x51;

// The driver slot behind gfx_window_scale: asks the display thread to re-make the open window,
// waiting at most a few seconds for it.
void win32_apply_scale();

// Declares the calling thread aware of each monitor's DPI, so that Windows does not stretch its
// windows: through SetThreadDpiAwarenessContext, looked up by name, and nothing where it is missing.
void win32_declare_dpi_awareness();

// The DPI of the primary display as the calling thread sees it.
int win32_display_dpi();

// Dispatches every message waiting for the library's window.
void win32_pump_messages();

// Shared driver slots.
void win32_lock();
void win32_unlock();
void win32_set_palette(int index, int red, int green, int blue);
void win32_wait_vsync();
int win32_get_mouse(int* x, int* y, int* wheel, int* buttons);
void win32_set_mouse(int x, int y, int cursor);
void win32_set_window_title(const char* title);

// The milliseconds win32_wait_vsync sleeps for a refresh rate in Hz.
int win32_vsync_delay_ms(int refresh_rate);

// The desktop's current mode.
void win32_get_desktop_info(int* width, int* height, int* depth, int* refresh_rate);
