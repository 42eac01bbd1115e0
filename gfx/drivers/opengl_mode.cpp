// The OpenGL window's windowed and full-screen modes.
#include <windows.h>

#include "gfx/core/context.h"
#include "gfx/core/types.h"
#include "gfx/drivers/opengl_driver.h"
#include "gfx/win32/win32_window.h"

namespace {

constexpr DWORD FULLSCREEN_STYLE = WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr DWORD WINDOWED_STYLE =
    WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// Asks the display for the screen's size and depth. true when it accepts.
bool change_display_mode() {
    DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    mode.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;
    mode.dmPelsWidth = static_cast<DWORD>(win32_window.width);
    mode.dmPelsHeight = static_cast<DWORD>(win32_window.height);
    mode.dmBitsPerPel = static_cast<DWORD>(win32_window.depth);
    mode.dmDisplayFrequency = static_cast<DWORD>(win32_window.refresh_rate);
    return ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN) == DISP_CHANGE_SUCCESSFUL;
}

// Reads the display's refresh rate into the context, for the retrace wait.
void read_refresh_rate() {
    HDC dc = GetDC(win32_window.hwnd);
    int rate = GetDeviceCaps(dc, VREFRESH);
    ReleaseDC(win32_window.hwnd, dc);
    if (gfx_context) {
        gfx_context->refresh_rate = rate;
    }
}

} // namespace

// Hides the window, changes the display mode for full screen, then shows the window again with
// the mode's style: a top-most popup at the origin, or a captioned window whose client area has
// the screen's size, centred on the desktop.
int opengl_enter_mode() {
    HWND window = win32_window.hwnd;
    ShowWindow(window, SW_HIDE);
    bool fullscreen = (win32_window.flags & SCREEN_FULLSCREEN) != 0;
    DWORD style;
    HWND z_order;
    if (fullscreen) {
        if (!change_display_mode()) {
            return -1;
        }
        style = FULLSCREEN_STYLE;
        z_order = HWND_TOPMOST;
    } else {
        style = WINDOWED_STYLE;
        if (!(win32_window.flags & SCREEN_NO_SWITCH)) {
            style |= WS_MAXIMIZEBOX;
        }
        z_order = HWND_NOTOPMOST;
    }
    SetWindowLongA(window, GWL_STYLE, static_cast<LONG>(style));

    RECT rect = {0, 0, win32_window.width, win32_window.height};
    int x = 0;
    int y = 0;
    if (!fullscreen) {
        AdjustWindowRectEx(&rect, style, FALSE, 0);
        x = (GetSystemMetrics(SM_CXSCREEN) - rect.right) >> 1;
        y = (GetSystemMetrics(SM_CYSCREEN) - rect.bottom) >> 1;
    }
    SetWindowPos(window, z_order, x, y, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOCOPYBITS | SWP_SHOWWINDOW | SWP_NOACTIVATE);
    SetForegroundWindow(window);
    win32_window.is_active = 1;
    read_refresh_rate();
    return 0;
}

// Gives the display its own mode back after full screen; a window needs nothing.
void opengl_leave_mode() {
    if (win32_window.flags & SCREEN_FULLSCREEN) {
        ChangeDisplaySettingsA(nullptr, 0);
    }
}
