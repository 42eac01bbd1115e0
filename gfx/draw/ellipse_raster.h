// Ellipses in pixels: outlines and fills clipped to the view, the common pieces of gfx_circle.
#pragma once

#include <cstdint>

#include "gfx/draw/draw_target.h"

// An ellipse around a pixel centre with a horizontal radius a and a vertical radius b in pixels.
struct EllipseShape {
    int64_t cx;
    int64_t cy;
    double a;
    double b;
};

// Which pixels of the ellipse an arc keeps: those whose direction from the centre, as seen on the
// screen (rows scaled by `scan`, y up), lies counter-clockwise from `start` up to `end`.
struct ArcRange {
    bool whole;     // the whole ellipse: no test
    double start_x; // unit vector of the start angle
    double start_y;
    double end_x; // unit vector of the end angle
    double end_y;
    bool wide;   // the arc spans more than half a turn
    double scan; // rows per pixel row on the screen (1, or 2 where rows are shown twice)

    // Whether the pixel at (dx, dy) from the centre (y down) lies in the arc.
    bool contains(int64_t dx, int64_t dy) const;
};

// Draws the outline: in every quadrant, one pixel per column where the curve is at most 45
// degrees steep and one per row where it is steeper, each the curve's position rounded to the
// nearest pixel; only pixels in the view (and in the arc) are visited.
void draw_ellipse_outline(const DrawTarget& target, const EllipseShape& e, uint32_t colour,
                          const ArcRange& arc);

// Fills every row between the outline's outermost pixels, outline included (for an arc only the
// pixels in the arc: a pie). Rows outside the view are not visited.
void draw_ellipse_filled(const DrawTarget& target, const EllipseShape& e, uint32_t colour,
                         const ArcRange& arc);
