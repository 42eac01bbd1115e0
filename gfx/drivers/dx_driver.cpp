// The DirectDraw driver's table row, its init, its display thread and the vertical-blank wait.
#include <algorithm>

#include "gfx/core/types.h"
#include "gfx/drivers/dx_state.h"
#include "gfx/win32/win32_window.h"

DxState dx;
volatile int dx_refuse_to_open = 0;

const GfxDriver GFX_DRIVER_DIRECTX = {
    "DirectX",
    dx_init,
    win32_exit,
    win32_lock,
    win32_unlock,
    win32_set_palette,
    dx_wait_vsync,
    win32_get_mouse,
    win32_set_mouse,
    win32_set_window_title,
    dx_fetch_modes,
    nullptr,
    nullptr,
};

namespace {

// Milliseconds between the starts of two presenting passes, and the longest a pass waits for the
// program thread's vertical blank.
constexpr DWORD PASS_SLEEP_MS = 10;
constexpr DWORD VSYNC_WAIT_MS = 20;

// Waits up to one pass interval for a message to the display thread or a key change, whichever
// comes first. Returns WAIT_TIMEOUT when neither came.
DWORD wait_for_pass() {
    HANDLE key_event = dx.key_event;
    return MsgWaitForMultipleObjectsEx(key_event ? 1 : 0, &key_event, PASS_SLEEP_MS, QS_ALLINPUT, 0);
}

} // namespace

// Installs this driver's hooks in a cleared window state and lets the window layer start the
// display thread. Depths below 8 are shown through an 8-bit framebuffer.
int dx_init(const char* title, int width, int height, int depth, int refresh_rate, int flags) {
    win32_clear_window_state();
    if (flags & SCREEN_OPENGL) return -1;
    win32_window.enter_mode = dx_enter_mode;
    win32_window.leave_mode = dx_leave_mode;
    win32_window.paint_hook = dx_paint;
    win32_window.thread_proc = dx_thread;
    return win32_init(title, width, height, std::max(depth, 8), refresh_rate, flags);
}

// Makes everything, signals the window layer, then presents a pass at least every 10 ms under the
// window lock until the layer stops; releases everything on the way out. A failure to make
// anything ends the thread without signalling, which fails win32_init.
//
// An idle screen costs little: the thread sleeps in one wait that also ends on a message or a key
// change. The keyboard is read when DirectInput reports a change (or on every pass when it cannot
// report, or until a read succeeds), and messages are pumped when one came or when a call that
// may look at the queue ran in this pass, which would make a later message no longer new to the
// wait.
unsigned __stdcall dx_thread(void* event) {
    if (dx_enter_mode() != 0) {
        dx_leave_mode();
        return 1;
    }
    SetEvent(static_cast<HANDLE>(event));
    win32_window.is_active = 1;
    bool keyboard_unread = true;
    while (win32_window.is_running) {
        const DWORD woke = wait_for_pass();
        bool pump = woke != WAIT_TIMEOUT;
        if (woke == WAIT_OBJECT_0 && dx.key_event) keyboard_unread = true;
        win32_lock();
        if (InterlockedExchange(&dx.vsync_requested, 0) && dx.vsync_event) {
            WaitForSingleObject(dx.vsync_event, VSYNC_WAIT_MS);
        }
        if (win32_window.is_active || !(win32_window.flags & SCREEN_FULLSCREEN)) {
            if (dx_present()) pump = true;
            if (win32_window.is_active && (keyboard_unread || !dx.key_event)) {
                keyboard_unread = !dx_sample_keyboard();
                pump = true;
            }
        }
        if (pump) win32_pump_messages();
        win32_unlock();
    }
    dx_leave_mode();
    return 0;
}

// Asks the display thread to wait for this vertical blank, waits for it outside the lock, and
// lets the display thread go on. A switch on the display thread may rebuild the DirectDraw object
// and the event meanwhile, so the wait holds a reference and a handle of its own to each.
void dx_wait_vsync() {
    win32_lock();
    IDirectDraw2* ddraw = dx.ddraw;
    HANDLE event = nullptr;
    if (ddraw && dx.vsync_event &&
        DuplicateHandle(GetCurrentProcess(), dx.vsync_event, GetCurrentProcess(), &event, 0, FALSE,
                        DUPLICATE_SAME_ACCESS)) {
        ddraw->AddRef();
        ResetEvent(event);
        InterlockedExchange(&dx.vsync_requested, 1);
    }
    win32_unlock();
    if (!event) return;
    ddraw->WaitForVerticalBlank(DDWAITVB_BLOCKBEGIN, nullptr);
    SetEvent(event);
    CloseHandle(event);
    ddraw->Release();
}
