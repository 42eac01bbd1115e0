// The windowless driver: a framebuffer in memory and no display at all.
#include "gfx/core/driver.h"

namespace {

// There is no display thread, so there is nothing to keep off the framebuffer.
void null_lock() {}

// Gives back the lock that null_lock never took.
void null_unlock() {}

// There is no display to show the palette entry on.
void null_set_palette(int, int, int, int) {}

} // namespace

const GfxDriver GFX_DRIVER_NULL = {
    .name = "Null",
    .lock = null_lock,
    .unlock = null_unlock,
    .set_palette = null_set_palette,
};
