// The DirectDraw driver's table row and its vertical-blank wait: the window layer's
// skeleton with the DirectDraw steps.
#include "gfx/core/test_seams.h"
#include "gfx/drivers/dx_state.h"
#include "gfx/win32/win32_software.h"

DxState dx;
volatile int dx_refuse_to_open = 0;

namespace {

// The DirectDraw steps of the display thread's passes: the keyboard is DirectInput's, whose
// report of a key change wakes a pass.
constexpr Win32SoftwareDriver DX_SOFTWARE = {
    .mode = {.enter_mode = dx_enter_mode, .leave_mode = dx_leave_mode, .paint = dx_paint},
    .input_event = &dx.key_event,
    .prepare = dx_prepare,
    .present_span = dx_present_span,
    .read_keyboard = dx_sample_keyboard};

} // namespace

constinit const GfxDriver GFX_DRIVER_DIRECTX =
    win32_software_row<DX_SOFTWARE>("DirectX", dx_wait_vsync, dx_fetch_modes);

// Asks the display thread to wait for this vertical blank, waits for it outside the lock, and
// lets the display thread go on. A switch on the display thread may rebuild the DirectDraw object
// and the event meanwhile, so the wait borrows a reference and holds a handle of its own.
void dx_wait_vsync() {
    win32_lock();
    IDirectDraw2* ddraw = nullptr;
    HANDLE event = nullptr;
    if (dx.ddraw && dx.vsync_event &&
        DuplicateHandle(GetCurrentProcess(), dx.vsync_event, GetCurrentProcess(), &event, 0, FALSE,
                        DUPLICATE_SAME_ACCESS)) {
        ddraw = dx_borrow_ddraw();
        ResetEvent(event);
        InterlockedExchange(&dx.vsync_requested, 1);
    }
    win32_unlock();
    if (!event) {
        return;
    }
    ddraw->WaitForVerticalBlank(DDWAITVB_BLOCKBEGIN, nullptr);
    SetEvent(event);
    CloseHandle(event);
    dx_return_ddraw(ddraw);
}
