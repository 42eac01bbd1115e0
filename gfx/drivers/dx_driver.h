// The DirectDraw display driver: a software screen shown through DirectDraw surfaces, with the
// keyboard read through DirectInput and a real wait for the vertical retrace.
//
// Like the GDI driver it owns its window on the window layer's display thread, which converts the
// dirty framebuffer rows straight into a locked DirectDraw surface at most every 10 ms. In a window the
// blitter writes an off-screen surface that one Blt copies (stretched, at a scale) to the screen;
// in full screen it writes the primary surface of a display mode of the screen's size, or, where
// the display lists none, it shows the off-screen surface in a borderless window over the whole
// display. "ddraw.dll" and "dinput.dll" are loaded by name when a screen opens.
#pragma once

#include <cstdint>

#include "gfx/core/driver.h"

extern const GfxDriver GFX_DRIVER_DIRECTX;

// Makes the libraries, objects, window and surfaces of the window state's current mode (full
// screen or windowed). 0, or -1 at the first failure, leaving what exists to dx_leave_mode.
int dx_enter_mode();

// Releases everything dx_enter_mode made, in reverse, and forgets each handle it releases.
void dx_leave_mode();

// Copies the whole off-screen surface onto the window (WM_PAINT), first painting black the
// client area around the picture of a full screen over the desktop; nothing in a display mode.
void dx_paint();

// Copies window rows first .. last of the off-screen surface onto the window, each pixel a block
// of the window's scale; nothing in a display mode, where the blitter writes the display itself.
void dx_show_rows(int first, int last);

// Waits for the next vertical blank and makes the display thread's next pass follow it.
void dx_wait_vsync();

// The display modes of `depth` bits (15 for 5-5-5 modes) as (width << 16) | height, in a new
// array the caller frees with free(); also without an open screen. Null when none can be listed,
// and then *count is written only when the list could be asked for.
uint32_t* dx_fetch_modes(int depth, int* count);

// The standard display height that follows h in the full-screen search (240, 480, 600, 768,
// 1024), or -1 when h is already 1024 or more.
int dx_next_height(int h);

// The depth that can stand in for `depth` in a display mode (15 <-> 16, 24 <-> 32), or 0.
int dx_twin_depth(int depth);

// One display-mode attempt of the full-screen search: whether (width, height, depth, rate,
// flags) was set.
using DxTryModeFn = bool (*)(void* user, int width, int height, int depth, int refresh_rate,
                             unsigned flags);

// Searches for a display mode of `width` columns: at each height from `height` up the standard
// heights, the depth and then its twin. Returns the height that was set, or -1.
int dx_search_display_mode(int width, int height, int depth, int refresh_rate, DxTryModeFn try_mode,
                           void* user);

// Folds a 256-byte DirectInput keyboard state onto 128 scancodes: byte i is 1 when key i or its
// extended twin i + 128 is down.
void dx_fold_key_state(const uint8_t buffer[256], uint8_t key_state[128]);
