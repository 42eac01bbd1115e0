// The desktop's current display mode.
#include "gfx/win32/win32_window.h"

// The desktop's width, height, bits per pixel and refresh rate, as the screen device reports them.
void win32_get_desktop_info(int* width, int* height, int* depth, int* refresh_rate) {
    HDC dc = GetDC(nullptr);
    if (width) {
        *width = GetDeviceCaps(dc, HORZRES);
    }
    if (height) {
        *height = GetDeviceCaps(dc, VERTRES);
    }
    if (depth) {
        *depth = GetDeviceCaps(dc, BITSPIXEL);
    }
    if (refresh_rate) {
        *refresh_rate = GetDeviceCaps(dc, VREFRESH);
    }
    ReleaseDC(nullptr, dc);
}
