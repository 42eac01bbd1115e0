// The display drivers in the order in which set-mode tries them.
#include "gfx/core/driver.h"

#ifdef _WIN32
#include "gfx/drivers/dx_driver.h"
#include "gfx/drivers/gdi_driver.h"
#include "gfx/drivers/opengl_driver.h"
#endif

const GfxDriver* const DRIVER_LIST[] = {
#ifdef _WIN32
    &GFX_DRIVER_DIRECTX,
    &GFX_DRIVER_GDI,
    &GFX_DRIVER_OPENGL,
#endif
    nullptr,
};
