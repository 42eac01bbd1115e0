// The message pump of the library's window.
#include "gfx/win32/win32_window.h"

// Dispatches every message waiting for the library's window, translating key messages so that
// characters arrive as WM_CHAR. Without a window there is nothing to pump.
void win32_pump_messages() {
    if (!win32_window.hwnd) {
        return;
    }
    MSG msg;
    while (PeekMessageA(&msg, win32_window.hwnd, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}
