// Lines in pixels: the clipped Bresenham walk that gfx_line and the radii of arcs use.
#pragma once

#include <cstdint>

#include "gfx/draw/draw_target.h"

// Draws the line (x1, y1)-(x2, y2) (held pixel coordinates) in the target's view: the pixels of
// the whole line that lie in the view, and only those, whichever way round the ends are given.
// style runs from (x1, y1), bit 15 first; 0xFFFF is solid.
void draw_line_pixels(const DrawTarget& target, int64_t x1, int64_t y1, int64_t x2, int64_t y2,
                      uint32_t colour, uint16_t style);
