// How large a software screen is shown: the scale setting of gfx_window_scale and the whole-number
// arithmetic that turns a display's DPI and size into a scale and maps the pointer back.
#pragma once

#include "qzgfx.h" // gfx_window_scale, the setting as programs change it

// The largest scale a program can set.
constexpr int GFX_SCALE_MAX = 8;
// The DPI at which a display shows one framebuffer pixel per display pixel.
constexpr int GFX_BASE_DPI = 96;

// The setting: 0 automatic, 1 .. GFX_SCALE_MAX fixed. Read by the window layer when it makes a
// window; written only by gfx_window_scale.
int gfx_scale_setting();

// The automatic scale of a window whose client area is width x height: dpi / 96 rounded to the
// nearest whole number, at least 1 and at most GFX_SCALE_MAX, and lowered while the client area
// at that scale plus the frame (frame_w x frame_h) would not fit an area of area_w x area_h.
int gfx_auto_scale(int dpi, int width, int height, int frame_w, int frame_h, int area_w,
                   int area_h);

// The largest whole scale at which width x height fits area_w x area_h, and at least 1.
int gfx_fit_scale(int width, int height, int area_w, int area_h);

// The framebuffer coordinate of display coordinate p on a picture that starts at `origin` and
// shows each framebuffer pixel `scale` display pixels wide: rounded down, also left of the origin.
int gfx_unscale(int p, int origin, int scale);
