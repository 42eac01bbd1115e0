// The GDI driver's presenting pass: the palette into the bitmap, the marked span onto the window.
#include <cstring>

#include "gfx/core/context.h"
#include "gfx/drivers/gdi_driver.h"
#include "gfx/win32/win32_window.h"

namespace {

// Copies the palette the program last set into the bitmap's colour table.
void apply_palette(BITMAPINFO* info) {
    for (int i = 0; i < WIN32_PALETTE_SIZE; ++i) {
        const PALETTEENTRY& entry = win32_window.palette_entries[i];
        info->bmiColors[i].rgbRed = entry.peRed;
        info->bmiColors[i].rgbGreen = entry.peGreen;
        info->bmiColors[i].rgbBlue = entry.peBlue;
        info->bmiColors[i].rgbReserved = 0;
    }
    win32_window.palette_dirty = 0;
}

// The first and last marked framebuffer row, or false when none is marked.
bool dirty_span(const GfxContext* ctx, int& first, int& last) {
    const uint8_t* marks = ctx->dirty_rows;
    int f = 0;
    while (f < ctx->height && !marks[f]) ++f;
    if (f == ctx->height) return false;
    int l = ctx->height - 1;
    while (!marks[l]) --l;
    first = f;
    last = l;
    return true;
}

} // namespace

// One presenting pass. Framebuffer rows are what the marks count; on a screen with doubled rows
// each one covers scanline_size window rows. Rows that need repacking go through the converter
// into the conversion buffer, which keeps the rows it was not asked to convert as last shown.
void gdi_present() {
    GfxContext* ctx = gfx_context;
    BITMAPINFO* info = gdi_state.bitmap_info;
    HWND window = win32_window.hwnd;
    if (!ctx || !info || !window || !ctx->dirty_rows || !ctx->visible_buffer) return;
    if (win32_window.palette_dirty) apply_palette(info);

    int first = 0;
    int last = 0;
    if (dirty_span(ctx, first, last)) {
        const int scan = ctx->scanline_size;
        const int y = first * scan;
        const auto lines = static_cast<UINT>((last - first + 1) * scan);
        const uint8_t* bits = ctx->visible_buffer + static_cast<ptrdiff_t>(ctx->pitch) * first;
        if (win32_window.blitter && gdi_state.convert_buffer) {
            win32_window.blitter(gdi_state.convert_buffer, gdi_state.convert_pitch);
            bits = gdi_state.convert_buffer + static_cast<ptrdiff_t>(gdi_state.convert_pitch) * y;
        }
        HDC dc = GetDC(window);
        SetDIBitsToDevice(dc, 0, y, static_cast<DWORD>(win32_window.width), lines, 0, 0, 0, lines,
                          bits, info, DIB_RGB_COLORS);
        ReleaseDC(window, dc);
    }
    std::memset(ctx->dirty_rows, 0, static_cast<size_t>(win32_window.height));
}
