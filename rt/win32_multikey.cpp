// The multikey query on Windows before any graphics screen exists: the keyboard as seen from the
// console window, while that window has the focus.
#include <windows.h>

#include <cstdio>

#include "rt/vk_scan_table.h"
#include "rt/platform.h"
#include "rt/rt.h"

namespace {

constexpr int SAVED_TITLE_CHARS = 260;

// Finds the console's window by giving the console a title of its own for a moment, then puts
// the old title back.
HWND find_console_window() {
    char saved[SAVED_TITLE_CHARS + 1] = {};
    GetConsoleTitleA(saved, sizeof saved);
    char unique[64];
    std::snprintf(unique, sizeof unique, "_qz_console_title %f", timer_seconds());
    SetConsoleTitleA(unique);
    HWND window = FindWindowA(nullptr, unique);
    SetConsoleTitleA(saved);
    return window;
}

// The console's window, looked up on the first query and kept for the rest of the process.
HWND console_window() {
    static const HWND window = find_console_window();
    return window;
}

// Whether Windows reports this virtual key down right now.
bool virtual_key_down(uint8_t vk) { return vk != 0 && (GetAsyncKeyState(vk) & 0x8000) != 0; }

} // namespace

// True (-1) while the console window has the focus and either virtual key of the scancode's row
// is down. Without a console window nothing is reported down.
int rt_platform_multikey(int scancode) {
    const HWND window = console_window();
    if (!window || GetForegroundWindow() != window) {
        return 0;
    }
    for (const VkScanRow* row = VK_SCAN_TABLE; row->scancode != 0; ++row) {
        if (row->scancode == scancode) {
            return (virtual_key_down(row->vk1) || virtual_key_down(row->vk2)) ? -1 : 0;
        }
    }
    return 0;
}
