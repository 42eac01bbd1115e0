// Making the window again: the switch between windowed and full screen (Alt+Enter or the maximise
// button) and a change of scale.
#include "gfx/core/context.h"
#include "gfx/core/dirty_rows.h"
#include "gfx/core/palette.h"
#include "gfx/core/types.h"
#include "gfx/win32/win32_window.h"

namespace {

// Set while a mode is left and entered, so that a message the new window gets meanwhile (a
// maximised size, a key) cannot start a second switch inside the first.
bool remaking = false;

// Milliseconds gfx_window_scale waits for the display thread to re-make the window.
constexpr UINT RESCALE_WAIT_MS = 5000;

// Leaves the current mode and enters the one `flags` describe; when the display refuses it, the
// previous mode is entered again. The palette is sent to the driver again and every row is drawn.
void remake(int flags) {
    remaking = true;
    const int previous = win32_window.flags;
    if (win32_window.leave_mode) {
        win32_window.leave_mode();
    }
    win32_window.flags = flags;
    int refused = win32_window.enter_mode ? win32_window.enter_mode() : -1;
    if (refused) {
        if (win32_window.leave_mode) {
            win32_window.leave_mode();
        }
        win32_window.flags = previous;
        if (win32_window.enter_mode) {
            win32_window.enter_mode();
        }
    }
    if (gfx_context) {
        gfx_palette_resend();
    }
    gfx_mark_all_rows_dirty(gfx_context);
    win32_window.is_active = 1;
    remaking = false;
}

} // namespace

// Enters the other mode; SCREEN_NO_SWITCH makes it change nothing.
LRESULT win32_switch_mode() {
    if (!(win32_window.flags & SCREEN_NO_SWITCH) && !remaking) {
        remake(win32_window.flags ^ SCREEN_FULLSCREEN);
    }
    return 0;
}

// Enters the same mode again, so that a window takes the scale the setting and display now give.
LRESULT win32_rescale() {
    if (!(win32_window.flags & SCREEN_FULLSCREEN) && !remaking) {
        remake(win32_window.flags);
    }
    return 0;
}

// Sends the display thread the request and waits until it has been handled, or for a bounded
// time: a program that calls this while it holds the window lock must not wait for ever.
void win32_apply_scale() {
    HWND window = win32_window.hwnd;
    if (!window || !win32_window.software) {
        return;
    }
    SendMessageTimeoutA(window, WIN32_RESCALE_MESSAGE, 0, 0, SMTO_NORMAL, RESCALE_WAIT_MS, nullptr);
}
