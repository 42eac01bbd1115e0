// The display thread's DPI: declared per monitor where Windows knows the call, read from the display.
#include "gfx/win32/win32_window.h"

namespace {

using SetThreadDpiAwarenessContextFn = HANDLE(WINAPI*)(HANDLE);

// The awareness contexts by their published values: per monitor, version 2 and the first one.
const HANDLE PER_MONITOR_AWARE_V2 = reinterpret_cast<HANDLE>(static_cast<intptr_t>(-4));
const HANDLE PER_MONITOR_AWARE = reinterpret_cast<HANDLE>(static_cast<intptr_t>(-3));

} // namespace

// Tries version 2 of per-monitor awareness, then the first version; a system without the call
// (before Windows 10) keeps its default.
void win32_declare_dpi_awareness() {
    HMODULE user32 = GetModuleHandleA("user32.dll");
    if (!user32) {
        return;
    }
    auto set_context = reinterpret_cast<SetThreadDpiAwarenessContextFn>(
        reinterpret_cast<void*>(GetProcAddress(user32, "SetThreadDpiAwarenessContext")));
    if (!set_context) {
        return;
    }
    if (!set_context(PER_MONITOR_AWARE_V2)) {
        set_context(PER_MONITOR_AWARE);
    }
}

// LOGPIXELSX of the screen's device context: the display's DPI for an aware thread, 96 for one
// that Windows stretches.
int win32_display_dpi() {
    HDC dc = GetDC(nullptr);
    const int dpi = dc ? GetDeviceCaps(dc, LOGPIXELSX) : 0;
    if (dc) {
        ReleaseDC(nullptr, dc);
    }
    return dpi > 0 ? dpi : 96;
}
