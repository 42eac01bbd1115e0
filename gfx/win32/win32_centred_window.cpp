// The software drivers' window: centred on the desktop, its client area the screen's size.
#include "gfx/win32/win32_software.h"

// Grows the client rectangle by the frame of `style`, centres the result on the desktop and
// makes the window there.
HWND win32_create_centred_window(DWORD style) {
    RECT rect{0, 0, win32_window.width, win32_window.height};
    AdjustWindowRect(&rect, style & ~static_cast<DWORD>(WS_VISIBLE), FALSE);
    const int outer_w = rect.right - rect.left;
    const int outer_h = rect.bottom - rect.top;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - outer_w) >> 1;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - outer_h) >> 1;
    win32_window.hwnd =
        CreateWindowExA(0, win32_window.class_name, win32_window.title, style, x, y, outer_w,
                        outer_h, nullptr, nullptr, win32_window.hinstance, nullptr);
    return win32_window.hwnd;
}
