// The GDI driver's table row: the window layer's skeleton with the GDI steps.
#include "gfx/drivers/gdi_driver.h"

#include "gfx/input/input.h"
#include "gfx/win32/win32_software.h"

GdiState gdi_state;

namespace {

// The keyboard state of the display thread, which has just seen the key messages.
bool read_keyboard() {
    sample_key_state();
    return true;
}

// The pass waits for messages only: GDI has no input event of its own.
unsigned wait_for_messages(int ms) { return win32_wait_for_pass(nullptr, ms); }

// The GDI steps of the display thread's passes.
constexpr Win32SoftwareDriver GDI_SOFTWARE = {
    .mode = {.enter_mode = gdi_enter_mode, .leave_mode = gdi_leave_mode, .paint = gdi_paint},
    .wait = wait_for_messages,
    .prepare = gdi_prepare,
    .present_span = gdi_present_span,
    .read_keyboard = read_keyboard};

} // namespace

constinit const GfxDriver GFX_DRIVER_GDI =
    win32_software_row<GDI_SOFTWARE>("GDI", win32_wait_vsync, nullptr);
