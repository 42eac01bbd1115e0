// The window procedure of the library's window class, shared by every driver.
#include <cstring>

#include "gfx/core/context.h"
#include "gfx/core/dirty_rows.h"
#include "gfx/core/types.h"
#include "gfx/core/window_scale.h"
#include "gfx/input/input.h"
#include "gfx/win32/win32_window.h"

namespace {

// Bit 29 of a key message's lParam: Alt was held.
constexpr LPARAM KEY_ALT_HELD = 1 << 29;
// Sent to a window whose monitor's DPI changed (WM_DPICHANGED, not in older headers).
constexpr UINT DPI_CHANGED = 0x02E0;
// Bit 24 of a key message's lParam: an extended key.
constexpr LPARAM KEY_EXTENDED = 1 << 24;
// MapVirtualKeyA's mode that gives a key's unshifted character (negative for a dead key).
constexpr UINT MAP_VK_TO_CHAR = 2;
// The code page of the key buffer's characters.
constexpr UINT KEY_CODE_PAGE = 437;

// Whether the high (pressed) bit of a key's byte in a keyboard state array is set.
bool pressed(const BYTE* keys, int vk) { return (keys[vk] & 0x80) != 0; }

// The console-style control-key state of a key message.
uint32_t control_state(const BYTE* keys, bool extended) {
    uint32_t state = 0;
    if (pressed(keys, VK_LSHIFT) || pressed(keys, VK_SHIFT) || pressed(keys, VK_RSHIFT)) {
        state |= SHIFT_PRESSED;
    }
    if (pressed(keys, VK_CONTROL) || pressed(keys, VK_LCONTROL)) {
        state |= LEFT_CTRL_PRESSED;
    }
    if (pressed(keys, VK_RCONTROL)) {
        state |= RIGHT_CTRL_PRESSED;
    }
    if (pressed(keys, VK_MENU) || pressed(keys, VK_LMENU)) {
        state |= LEFT_ALT_PRESSED;
    }
    if (pressed(keys, VK_RMENU)) {
        state |= RIGHT_ALT_PRESSED;
    }
    if (extended) {
        state |= ENHANCED_KEY;
    }
    return state;
}

// Posts code to the key buffer count times.
void post_repeated(int code, int count) {
    for (int i = 0; i < count; ++i) {
        gfx_post_key(code);
    }
}

// A pressed key: extended keys go to the key buffer here; characters come with WM_CHAR.
LRESULT on_key_down(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    int vk = static_cast<int>(wparam & 0xFFFF);
    int scan = static_cast<int>((lparam >> 16) & 0xFF);
    int repeat = static_cast<int>(lparam & 0xFFFF);
    BYTE keys[256];
    GetKeyboardState(keys);
    uint32_t state = control_state(keys, (lparam & KEY_EXTENDED) != 0);

    int character = 0;
    if (static_cast<int>(MapVirtualKeyA(static_cast<UINT>(vk), MAP_VK_TO_CHAR)) >= 0) {
        WORD word = 0;
        if (ToAscii(static_cast<UINT>(vk), static_cast<UINT>(scan), keys, &word, 0) == 1) {
            character = word & 0xFF;
        }
    }
    int code = translate_key(character, scan, vk, state);
    if (code > 255) {
        post_repeated(code, repeat);
    }
    if (vk == VK_F10 || vk == VK_MENU || code == CLOSE_KEY_CODE) {
        return 0;
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

// A character: converted from the ANSI code page to code page 437 and posted once per repeat.
void on_char(WPARAM wparam, LPARAM lparam) {
    char ansi = static_cast<char>(wparam);
    wchar_t wide = 0;
    if (MultiByteToWideChar(CP_ACP, 0, &ansi, 1, &wide, 1) != 1) {
        return;
    }
    char oem[4] = {};
    if (WideCharToMultiByte(KEY_CODE_PAGE, 0, &wide, 1, oem, sizeof oem, nullptr, nullptr) < 1) {
        return;
    }
    post_repeated(static_cast<uint8_t>(oem[0]), static_cast<int>(lparam & 0xFFFF));
}

// The application became active or inactive: key and button state start afresh, and the
// display thread reads the keyboard again, so that a key held across the change reads as down.
void on_activate(WPARAM wparam) {
    win32_window.is_active = static_cast<int>(wparam);
    if (gfx_context && gfx_context->key_state) {
        std::memset(gfx_context->key_state, 0, 128);
    }
    win32_layer.mouse_buttons = 0;
    win32_layer.keyboard_changed = 1;
    gfx_mark_all_rows_dirty(gfx_context);
}

// One wheel message is one step, up or down, whatever its delta.
void on_wheel(WPARAM wparam) {
    if (win32_window.os_version <= 0x409) {
        return;
    }
    win32_layer.mouse_wheel += static_cast<int32_t>(wparam) > 0 ? 1 : -1;
}

// Sets or clears a bit of the mouse button state.
void set_button(int bit, bool down) {
    if (down) {
        win32_layer.mouse_buttons |= bit;
    } else {
        win32_layer.mouse_buttons &= ~bit;
    }
}

} // namespace

// Turns the window's messages into key codes, mouse state, activation and mode switches.
LRESULT CALLBACK gfx_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == win32_layer.cursor_message && message != 0) {
        ShowCursor(wparam != 0);
        return 0;
    }
    if (message >= WM_KEYFIRST && message <= WM_KEYLAST) {
        win32_layer.keyboard_changed = 1;
    }
    if (message == WIN32_RESCALE_MESSAGE) {
        return win32_rescale();
    }
    switch (message) {
    case WM_SIZE:
        if (win32_window.is_active && wparam == SIZE_MAXIMIZED &&
            !(win32_window.flags & SCREEN_FULLSCREEN)) {
            return win32_switch_mode();
        }
        break;
    case DPI_CHANGED:
        if (win32_window.software && gfx_scale_setting() == 0) {
            return win32_rescale();
        }
        break;
    case WM_SYSKEYDOWN:
        if (!win32_window.is_active) {
            break;
        }
        if (wparam == VK_RETURN && (lparam & KEY_ALT_HELD)) {
            return win32_switch_mode();
        }
        return on_key_down(window, message, wparam, lparam);
    case WM_KEYDOWN:
        return on_key_down(window, message, wparam, lparam);
    case WM_CHAR:
        if (wparam <= 255) {
            on_char(wparam, lparam);
        }
        break;
    case WM_PAINT:
        if (win32_window.paint_hook) {
            win32_window.paint_hook();
        }
        break;
    case WM_CLOSE:
        gfx_post_key(CLOSE_KEY_CODE);
        return 0;
    case WM_ACTIVATEAPP:
        on_activate(wparam);
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
        set_button(1, message == WM_LBUTTONDOWN);
        break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        set_button(2, message == WM_RBUTTONDOWN);
        break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        set_button(4, message == WM_MBUTTONDOWN);
        break;
    case WM_MOUSEWHEEL:
        on_wheel(wparam);
        break;
    default:
        break;
    }
    return DefWindowProcA(window, message, wparam, lparam);
}
