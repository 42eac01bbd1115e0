// The GDI display driver: the framebuffer shown in an ordinary window through a device-independent
// bitmap. The window layer's display thread makes the window, presents the marked rows at most
// every 10 ms, samples the keyboard and pumps the window's messages; it has no full-screen mode.
#pragma once

#include <windows.h>

#include <cstdint>

#include "gfx/core/driver.h"

extern const GfxDriver GFX_DRIVER_GDI;

// Size of the bitmap block: the header, 256 colour entries and 4 spare bytes.
constexpr int GDI_BITMAP_INFO_SIZE = 1068;

// The driver's own state, one for the process; it belongs to the display thread.
struct GdiState {
    BITMAPINFO* bitmap_info; // GDI_BITMAP_INFO_SIZE bytes, owned; null when none
    uint8_t* convert_buffer; // rows in the bitmap's layout when the framebuffer's cannot be shown
                             // as they lie; owned, null when not used
    int convert_pitch;       // bytes between the rows of convert_buffer
};

extern GdiState gdi_state;

// Makes the window and the bitmap, with a conversion buffer where rows must be repacked: 16-bit
// framebuffers (shown as 5-5-5), doubled rows, and 8-bit rows that are not a multiple of 4 bytes.
// Runs on the display thread. 0, or -1 for full screen or any failure (left for gdi_leave_mode).
int gdi_enter_mode();

// Frees the buffers and destroys the window, and forgets all of them, so that a second call (as
// in a refused switch) finds nothing to release.
void gdi_leave_mode();

// Marks every row, so that the next pass presents the whole picture (WM_PAINT).
void gdi_paint();

// Copies a palette the program changed into the bitmap's colour table. The caller holds the
// window lock. Returns false: it makes no call into the window system.
bool gdi_prepare();

// Presents framebuffer rows first .. last in one call, through the converter where rows must be
// repacked. The caller holds the window lock. false when there is no window or bitmap.
bool gdi_present_span(int first, int last);
