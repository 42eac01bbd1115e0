// The GDI display driver: the framebuffer shown in an ordinary window through a device-independent
// bitmap. A display thread of its own makes the window, presents the marked rows about every
// 10 ms, samples the keyboard and pumps the window's messages; it has no full-screen mode.
#pragma once

#include <windows.h>

#include <cstdint>

#include "gfx/core/driver.h"

extern const GfxDriver GFX_DRIVER_GDI;

// Size of the bitmap block: the header, 256 colour entries and 4 spare bytes.
constexpr int GDI_BITMAP_INFO_SIZE = 1068;

// The driver's own state, one for the process; it belongs to the display thread.
struct GdiState {
    BITMAPINFO* bitmap_info;  // GDI_BITMAP_INFO_SIZE bytes, owned; null when none
    uint8_t* convert_buffer;  // rows in the bitmap's layout when the framebuffer's cannot be shown
                              // as they lie; owned, null when not used
    int convert_pitch;        // bytes between the rows of convert_buffer
    RECT window_rect;         // the window's outer size
};

extern GdiState gdi_state;

// Opens the window through the window layer's display thread. 0, or -1 for an OpenGL or a
// full-screen request, or when the thread cannot make its window.
int gdi_init(const char* title, int width, int height, int depth, int refresh_rate, int flags);

// Makes the window and the bitmap, with a conversion buffer where rows must be repacked: 16-bit
// framebuffers (shown as 5-5-5), doubled rows, and 8-bit rows that are not a multiple of 4 bytes.
// Runs on the display thread. 0, or -1 for full screen or any failure (left for gdi_leave_mode).
int gdi_enter_mode();

// Frees the buffers and destroys the window, and forgets all of them, so that a second call (as
// in a refused switch) finds nothing to release.
void gdi_leave_mode();

// Marks every framebuffer row, so that the next pass presents the whole picture (WM_PAINT).
void gdi_paint();

// Applies a changed palette to the bitmap, presents the span from the first to the last marked
// row in one call and clears the marks. The caller holds the window lock.
void gdi_present();

// The display thread: enter the mode, signal `event`, then one pass every 10 ms until the layer
// stops, then leave the mode.
unsigned __stdcall gdi_thread(void* event);
