// The software drivers' display thread: one loop for all of them, with the driver's own steps.
#include "gfx/core/context.h"
#include "gfx/core/dirty_rows.h"
#include "gfx/core/display_loop.h"
#include "gfx/core/platform.h"
#include "gfx/core/types.h"
#include "gfx/input/input.h"
#include "gfx/win32/win32_software.h"

namespace {

// Waits up to ms milliseconds for a message to this thread or for the driver's input event;
// returns DISPLAY_WOKE_MESSAGE, DISPLAY_WOKE_INPUT or 0 when the time ran out.
unsigned wait_for_pass(int ms) {
    const HANDLE* event = win32_window.software->input_event;
    HANDLE input = event ? *event : nullptr;
    const DWORD woke =
        MsgWaitForMultipleObjectsEx(input ? 1 : 0, &input, static_cast<DWORD>(ms), QS_ALLINPUT, 0);
    if (woke == WAIT_OBJECT_0 && input) {
        return DISPLAY_WOKE_INPUT;
    }
    if (woke == WAIT_TIMEOUT || woke == WAIT_FAILED) {
        return 0;
    }
    return DISPLAY_WOKE_MESSAGE;
}

// Reads the keyboard through the driver, or takes the state the key messages keep when the
// driver has no reader of its own; false when it could not be read.
bool read_keyboard(const Win32SoftwareDriver& driver) {
    if (driver.read_keyboard) {
        return driver.read_keyboard();
    }
    sample_key_state();
    return true;
}

// One pass, with the window lock held. An idle screen costs next to nothing: the marked span is
// presented only when there is one, the keyboard is read only after a key message, an input
// event or an activation change (or until a read succeeds), and messages are pumped only when
// one came or a call of this pass may have looked at the queue, which would make a message that
// came meanwhile no longer new to the next wait.
void software_pass(unsigned woke) {
    const Win32SoftwareDriver& driver = *win32_window.software;
    bool pump = (woke & DISPLAY_WOKE_MESSAGE) != 0;
    if (woke & DISPLAY_WOKE_INPUT) {
        win32_layer.keyboard_changed = 1;
    }
    if (driver.prepare()) {
        pump = true;
    }
    GfxContext* ctx = gfx_context;
    if (ctx && win32_screen_shown()) {
        int first = 0;
        int last = 0;
        if (gfx_dirty_span(ctx->dirty_rows, ctx->height, &first, &last)) {
            if (driver.present_span(first, last)) {
                gfx_clear_row_marks(ctx);
            }
            pump = true;
        }
        if (win32_window.is_active && win32_layer.keyboard_changed) {
            win32_layer.keyboard_changed = read_keyboard(driver) ? 0 : 1;
            pump = true;
        }
    }
    if (pump) {
        win32_pump_messages();
    }
}

} // namespace

// Makes the driver's window, signals the waiting win32_init, runs the passes and cleans up. A
// driver that cannot make its window ends the thread without signalling, which fails win32_init.
// The thread's windows are DPI aware: they are scaled by whole numbers here, never stretched by
// the system.
unsigned __stdcall win32_display_thread(void* event) {
    const Win32SoftwareDriver& driver = *win32_window.software;
    win32_declare_dpi_awareness();
    if (driver.mode.enter_mode() != 0) {
        driver.mode.leave_mode();
        return 1;
    }
    SetEvent(static_cast<HANDLE>(event));
    win32_window.is_active = 1;
    win32_layer.keyboard_changed = 1;
    DisplayLoop loop;
    loop.wait = wait_for_pass;
    loop.sleep = platform_sleep_ms;
    loop.now_us = display_clock_us;
    loop.lock = win32_lock;
    loop.unlock = win32_unlock;
    loop.pass = software_pass;
    loop.running = &win32_window.is_running;
    display_loop_run(loop);
    driver.mode.leave_mode();
    return 0;
}

// Shown unless full screen and inactive.
bool win32_screen_shown() {
    return win32_window.is_active || !(win32_window.flags & SCREEN_FULLSCREEN);
}
