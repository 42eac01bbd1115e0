// The software drivers' windows at a scale: a framed one centred on the desktop, its client area
// the screen's size times the scale, and a borderless one over the whole display.
#include "gfx/core/window_scale.h"
#include "gfx/win32/win32_software.h"

namespace {

// The scale of a window with this frame: the program's fixed setting, or the automatic one for
// the display's DPI within the work area.
int window_scale(const RECT& frame) {
    const int setting = gfx_scale_setting();
    if (setting > 0) {
        return setting;
    }
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    return gfx_auto_scale(win32_display_dpi(), win32_window.width, win32_window.height,
                          frame.right - frame.left, frame.bottom - frame.top,
                          area.right - area.left, area.bottom - area.top);
}

} // namespace

// Chooses the scale, grows the scaled client rectangle by the frame of `style`, centres the result
// on the desktop and makes the window there.
HWND win32_create_centred_window(DWORD style) {
    const DWORD frame_style = style & ~static_cast<DWORD>(WS_VISIBLE);
    RECT frame{0, 0, 0, 0};
    AdjustWindowRect(&frame, frame_style, FALSE);
    const int scale = window_scale(frame);
    win32_window.scale = scale;
    win32_window.origin_x = 0;
    win32_window.origin_y = 0;
    win32_window.over_desktop = 0;
    RECT rect{0, 0, win32_window.width * scale, win32_window.height * scale};
    AdjustWindowRect(&rect, frame_style, FALSE);
    const int outer_w = rect.right - rect.left;
    const int outer_h = rect.bottom - rect.top;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - outer_w) >> 1;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - outer_h) >> 1;
    win32_window.hwnd =
        CreateWindowExA(0, win32_window.class_name, win32_window.title, style, x, y, outer_w,
                        outer_h, nullptr, nullptr, win32_window.hinstance, nullptr);
    return win32_window.hwnd;
}

// A popup as large as the display, the picture at the largest whole scale that fits and centred.
HWND win32_create_desktop_window() {
    const int display_w = GetSystemMetrics(SM_CXSCREEN);
    const int display_h = GetSystemMetrics(SM_CYSCREEN);
    const int scale = gfx_fit_scale(win32_window.width, win32_window.height, display_w, display_h);
    win32_window.scale = scale;
    win32_window.origin_x = (display_w - win32_window.width * scale) / 2;
    win32_window.origin_y = (display_h - win32_window.height * scale) / 2;
    win32_window.over_desktop = 1;
    win32_window.hwnd =
        CreateWindowExA(0, win32_window.class_name, win32_window.title, WS_POPUP | WS_VISIBLE, 0, 0,
                        display_w, display_h, nullptr, nullptr, win32_window.hinstance, nullptr);
    return win32_window.hwnd;
}
