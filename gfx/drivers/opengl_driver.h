// The OpenGL display driver: a window with a double-buffered OpenGL rendering context.
//
// After gfx_screen_res (..., SCREEN_OPENGL, ...) succeeds, the rendering context is current on the
// thread that opened the screen: that thread draws with plain OpenGL calls and presents each frame
// with gfx_flip, which pumps the window's messages, samples the keyboard and swaps the buffers.
// Nothing else is needed to reach the context; it is released when the screen closes.
#pragma once

#include <cstdint>

#include "gfx/core/driver.h"

extern const GfxDriver GFX_DRIVER_OPENGL;

// Opens the window and makes its rendering context current. 0, or -1 on any failure (what was
// made so far is left for opengl_exit).
int opengl_init(const char* title, int width, int height, int depth, int refresh_rate, int flags);

// Releases the rendering context, device context, display mode and window, then the window layer.
void opengl_exit();

// Applies the window state's windowed or full-screen mode to the window. 0, or -1 when the
// display refuses the full-screen mode (the window is left hidden).
int opengl_enter_mode();

// Gives back a full-screen display mode.
void opengl_leave_mode();

// Samples the keyboard (while active), pumps the window's messages and swaps the buffers.
// Returns the result of SwapBuffers (non-zero on success).
int opengl_flip();

// The display modes of the given depth as (width << 16) | height, in enumeration order, in an
// array the caller frees with free(); null with *count 0 when there are none.
uint32_t* opengl_fetch_modes(int depth, int* count);
