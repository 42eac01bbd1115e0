// Choosing the display driver for a new screen.
#pragma once

#include "gfx/core/driver.h"

// Picks and opens the driver for a screen of width x window_height pixels: the Null driver for
// SCREEN_NULL or QZGFX=null, else the first driver of the list whose init succeeds, in the passes
// that QZGFX selects. Returns null when no driver opens.
const GfxDriver* gfx_choose_driver(int width, int window_height, int depth, int refresh_rate,
                                   int flags);
