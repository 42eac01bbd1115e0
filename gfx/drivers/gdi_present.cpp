// The GDI driver's part of a pass: the palette into the bitmap, a marked span onto the window.
#include "gfx/core/context.h"
#include "gfx/drivers/gdi_driver.h"
#include "gfx/win32/win32_window.h"

// Copies the palette the program last set into the bitmap's colour table.
bool gdi_prepare() {
    BITMAPINFO* info = gdi_state.bitmap_info;
    if (!info || !win32_window.palette_dirty) {
        return false;
    }
    for (int i = 0; i < WIN32_PALETTE_SIZE; ++i) {
        const PALETTEENTRY& entry = win32_window.palette_entries[i];
        info->bmiColors[i].rgbRed = entry.peRed;
        info->bmiColors[i].rgbGreen = entry.peGreen;
        info->bmiColors[i].rgbBlue = entry.peBlue;
        info->bmiColors[i].rgbReserved = 0;
    }
    win32_window.palette_dirty = 0;
    return false;
}

namespace {

// Shows `lines` bitmap rows from `bits` as window rows from y on, each pixel a scale x scale block:
// the bitmap header is narrowed to those rows for the call, so that the source rectangle is the
// whole bitmap whichever way up the system counts it, and stretching never blends.
void stretch_rows(HDC dc, BITMAPINFO* info, int y, int lines, const uint8_t* bits) {
    const int scale = win32_window.scale;
    SetStretchBltMode(dc, COLORONCOLOR);
    info->bmiHeader.biHeight = -lines;
    StretchDIBits(dc, win32_window.origin_x, win32_window.origin_y + y * scale,
                  win32_window.width * scale, lines * scale, 0, 0, win32_window.width, lines, bits,
                  info, DIB_RGB_COLORS, SRCCOPY);
    info->bmiHeader.biHeight = -win32_window.height;
}

} // namespace

// Framebuffer rows are what the marks count; on a screen with doubled rows each one covers
// scanline_size window rows. Rows that need repacking go through the converter into the
// conversion buffer, which keeps the rows it was not asked to convert as last shown. A scaled
// window stretches them.
bool gdi_present_span(int first, int last) {
    GfxContext* ctx = gfx_context;
    BITMAPINFO* info = gdi_state.bitmap_info;
    HWND window = win32_window.hwnd;
    if (!ctx || !info || !window || !ctx->visible_buffer) {
        return false;
    }
    const int scan = ctx->scanline_size;
    const int y = first * scan;
    const auto lines = static_cast<UINT>((last - first + 1) * scan);
    const uint8_t* bits = ctx->visible_buffer + static_cast<ptrdiff_t>(ctx->pitch) * first;
    if (win32_window.blitter && gdi_state.convert_buffer) {
        win32_window.blitter(gdi_state.convert_buffer, gdi_state.convert_pitch);
        bits = gdi_state.convert_buffer + static_cast<ptrdiff_t>(gdi_state.convert_pitch) * y;
    }
    HDC dc = GetDC(window);
    if (win32_window.scale > 1) {
        stretch_rows(dc, info, y, static_cast<int>(lines), bits);
    } else {
        SetDIBitsToDevice(dc, 0, y, static_cast<DWORD>(win32_window.width), lines, 0, 0, 0, lines,
                          bits, info, DIB_RGB_COLORS);
    }
    ReleaseDC(window, dc);
    return true;
}
