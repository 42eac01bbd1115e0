// The demo's two pictures and the sprites example's sheet, drawn from fixed parameters so that every run gives the same files.
#pragma once

#include "tga_write.h"

// A seamless brick-wall tile: two courses of bricks in running bond with mortar joints.
Image draw_brick_tile();

// A soft white glow: brightness falls smoothly to 0 at the rim of its disc; alpha is opaque
// everywhere, so that the demo's light blend only ever adds it.
Image draw_glow();

// The sprites example's sheet: four rows of balls (red, green, blue, gold), each in four frames
// of 32 x 32 pixels with a band that turns a quarter further in each frame, on magenta, the
// colour a transparent put skips.
Image draw_sprite_sheet();
