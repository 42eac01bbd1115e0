// Opening and closing the window layer.
#include <cstdio>

#include "gfx/core/types.h"
#include "gfx/win32/win32_window.h"

namespace {

// The class style: redraw on resize, and an own device context for OpenGL windows.
UINT class_style(int flags) {
    UINT style = CS_HREDRAW | CS_VREDRAW;
    if (flags & SCREEN_OPENGL) {
        style |= CS_OWNDC;
    }
    return style;
}

// The program's icon resource, or the standard application icon when the program has none.
HICON program_icon(HINSTANCE instance) {
    HICON icon = LoadIconA(instance, WIN32_ICON_NAME);
    return icon ? icon : LoadIconA(nullptr, IDI_APPLICATION);
}

// Records the Windows version as (major << 8) | minor.
void read_os_version() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    GetVersionExA(&info);
#pragma GCC diagnostic pop
    win32_window.os_version = static_cast<int>((info.dwMajorVersion << 8) | info.dwMinorVersion);
}

} // namespace

// Readies the layer for a driver whose window is about to be made. For a software screen the
// display thread is started and waited for; an OpenGL screen makes its window on this thread.
int win32_init(const char* title, int width, int height, int depth, int refresh_rate, int flags) {
    if (!title) {
        title = "";
    }
    read_os_version();
    win32_layer.cursor_message = RegisterWindowMessageA(WIN32_CURSOR_MESSAGE_NAME);
    win32_layer.cursor_visible = 1;

    BOOL screensaver = FALSE;
    SystemParametersInfoA(SPI_GETSCREENSAVEACTIVE, 0, &screensaver, 0);
    win32_layer.saved_screensaver = screensaver ? 1 : 0;
    SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, 0, nullptr, 0);

    win32_window.hinstance = GetModuleHandleA(nullptr);
    std::snprintf(win32_window.class_name, sizeof win32_window.class_name, "%s%s",
                  WIN32_CLASS_PREFIX, title);
    // The display thread reads the title whenever it re-creates the window, so it gets a copy
    // of its own that only win32_set_window_title changes, under the lock.
    std::snprintf(win32_layer.title, sizeof win32_layer.title, "%s", title);
    win32_window.title = win32_layer.title;
    win32_window.flags = flags;
    win32_window.width = width;
    win32_window.height = height;
    win32_window.depth = depth;
    win32_window.refresh_rate = refresh_rate;

    WNDCLASSA& wc = win32_window.wnd_class;
    wc = WNDCLASSA{};
    wc.style = class_style(flags);
    wc.lpfnWndProc = gfx_window_proc;
    wc.hInstance = win32_window.hinstance;
    wc.hIcon = program_icon(win32_window.hinstance);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = win32_window.class_name;
    RegisterClassA(&wc);

    win32_layer.mouse_wheel = 0;
    win32_layer.mouse_buttons = 0;
    win32_window.is_running = 1;

    if (flags & SCREEN_OPENGL) {
        win32_layer.thread_handle = nullptr;
        return 0;
    }
    return win32_start_display_thread();
}

// Closes the layer: the display thread is stopped first, then the screen saver setting is given
// back and the class unregistered. A second call, or one before win32_init, does nothing.
void win32_exit() {
    if (!win32_window.is_running) {
        return;
    }
    win32_window.is_running = 0;
    win32_stop_display_thread();
    SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, static_cast<UINT>(win32_layer.saved_screensaver),
                          nullptr, 0);
    UnregisterClassA(win32_window.class_name, win32_window.hinstance);
}
