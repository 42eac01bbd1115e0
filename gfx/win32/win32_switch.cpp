// The switch between windowed and full screen (Alt+Enter or the maximise button).
#include "gfx/core/context.h"
#include "gfx/core/dirty_rows.h"
#include "gfx/core/palette.h"
#include "gfx/core/types.h"
#include "gfx/win32/win32_window.h"

// Leaves the current mode and enters the other one; when the display refuses it, the previous
// mode is entered again. The palette is sent to the driver again and every row is redrawn.
// SCREEN_NO_SWITCH makes it change nothing.
LRESULT win32_switch_mode() {
    if (win32_window.flags & SCREEN_NO_SWITCH) {
        return 0;
    }
    if (win32_window.leave_mode) {
        win32_window.leave_mode();
    }
    win32_window.flags ^= SCREEN_FULLSCREEN;
    int refused = win32_window.enter_mode ? win32_window.enter_mode() : -1;
    if (refused) {
        if (win32_window.leave_mode) {
            win32_window.leave_mode();
        }
        win32_window.flags ^= SCREEN_FULLSCREEN;
        if (win32_window.enter_mode) {
            win32_window.enter_mode();
        }
    }
    if (gfx_context) {
        gfx_palette_resend();
    }
    gfx_mark_all_rows_dirty(gfx_context);
    win32_window.is_active = 1;
    return 0;
}
