// The GDI driver's table row: the window layer's skeleton with the GDI steps.
#include "gfx/drivers/gdi_driver.h"

#include "gfx/win32/win32_software.h"

GdiState gdi_state;

namespace {

// The GDI steps of the display thread's passes; its keyboard is the one the key messages keep.
constexpr Win32SoftwareDriver GDI_SOFTWARE = {
    .mode = {.enter_mode = gdi_enter_mode, .leave_mode = gdi_leave_mode, .paint = gdi_paint},
    .prepare = gdi_prepare,
    .present_span = gdi_present_span};

} // namespace

constinit const GfxDriver GFX_DRIVER_GDI =
    win32_software_row<GDI_SOFTWARE>("GDI", win32_wait_vsync, nullptr);
