// The GDI driver's window and bitmap: made on entering the mode, released on leaving it.
#include <cstdlib>

#include "gfx/blit/blitter.h"
#include "gfx/core/context.h"
#include "gfx/core/dirty_rows.h"
#include "gfx/core/driver_report.h"
#include "gfx/core/types.h"
#include "gfx/drivers/gdi_driver.h"
#include "gfx/win32/win32_software.h"

namespace {

// A captioned window with a system menu and a minimise box: no sizing border, no maximise box.
constexpr DWORD FRAME_STYLE = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// Bytes in a row of a device-independent bitmap `bytes` wide: rows start on 4-byte boundaries.
int dib_pitch(int bytes) { return (bytes + 3) & ~3; }

// Whether the open screen's framebuffer is the one the window state describes, so that presenting
// it reads only bytes the framebuffer has.
bool framebuffer_matches(const GfxContext* ctx) {
    return ctx && ctx->visible_buffer && ctx->dirty_rows && ctx->width == win32_window.width &&
           ctx->height * ctx->scanline_size == win32_window.height &&
           ctx->bytes_per_pixel * 8 == win32_window.depth &&
           ctx->pitch == ctx->width * ctx->bytes_per_pixel;
}

// Fills the bitmap header: a top-down bitmap of the window's size and depth with 256 colours.
void fill_bitmap_header(BITMAPINFOHEADER& header) {
    header.biSize = sizeof(BITMAPINFOHEADER);
    header.biWidth = win32_window.width;
    header.biHeight = -win32_window.height;
    header.biPlanes = 1;
    header.biBitCount = static_cast<WORD>(win32_window.depth);
    header.biCompression = BI_RGB;
    header.biClrUsed = 256;
}

// Picks the row converter and makes its zero-filled buffer (zeroed, so that a clean row inside a
// presented span never shows memory nobody wrote). A 16-bit framebuffer becomes 5-5-5, as a
// 16-bit bitmap is; a paletted one is copied when its rows are doubled or not 4-byte aligned.
// true when the framebuffer needs no converter or its converter and buffer are ready.
bool prepare_conversion(const GfxContext* ctx) {
    const bool paletted = win32_window.depth == 8;
    const bool repack = paletted && (ctx->scanline_size != 1 || ctx->pitch % 4 != 0);
    if (win32_window.depth == 16) {
        win32_window.blitter = select_blitter(15, 0);
    } else if (repack) {
        win32_window.blitter = select_blitter(8, 0);
    } else {
        win32_window.blitter = nullptr;
        return true;
    }
    if (!win32_window.blitter) {
        return false;
    }
    gdi_state.convert_pitch = dib_pitch(ctx->pitch);
    gdi_state.convert_buffer = static_cast<uint8_t*>(std::calloc(
        static_cast<size_t>(win32_window.height), static_cast<size_t>(gdi_state.convert_pitch)));
    return gdi_state.convert_buffer != nullptr;
}

// Reads the display's refresh rate into the context, for the retrace wait.
void read_refresh_rate(GfxContext* ctx) {
    HDC dc = GetDC(win32_window.hwnd);
    ctx->refresh_rate = GetDeviceCaps(dc, VREFRESH);
    ReleaseDC(win32_window.hwnd, dc);
}

} // namespace

// Makes the window centred on the desktop with a client area of the screen's size times the
// scale, then the
// bitmap and, where needed, the conversion buffer. Full screen is refused: this driver only has
// a window.
int gdi_enter_mode() {
    gdi_state.bitmap_info = nullptr;
    gdi_state.convert_buffer = nullptr;
    win32_window.blitter = nullptr;
    if (win32_window.flags & SCREEN_FULLSCREEN) {
        return gfx_driver_refuse("has no full-screen mode");
    }
    GfxContext* ctx = gfx_context;
    if (!framebuffer_matches(ctx)) {
        return gfx_driver_refuse("cannot show this framebuffer");
    }

    if (!win32_create_centred_window(WS_VISIBLE | FRAME_STYLE)) {
        return gfx_driver_refuse("could not make its window");
    }

    gdi_state.bitmap_info = static_cast<BITMAPINFO*>(std::calloc(1, GDI_BITMAP_INFO_SIZE));
    if (!gdi_state.bitmap_info) {
        return gfx_driver_refuse("out of memory for its bitmap");
    }
    fill_bitmap_header(gdi_state.bitmap_info->bmiHeader);
    if (!prepare_conversion(ctx)) {
        return gfx_driver_refuse("could not prepare the row conversion");
    }

    SetForegroundWindow(win32_window.hwnd);
    read_refresh_rate(ctx);
    return 0;
}

// Releases what gdi_enter_mode made, as far as it got, and forgets it.
void gdi_leave_mode() {
    std::free(gdi_state.convert_buffer);
    gdi_state.convert_buffer = nullptr;
    std::free(gdi_state.bitmap_info);
    gdi_state.bitmap_info = nullptr;
    win32_window.blitter = nullptr;
    if (win32_window.hwnd) {
        DestroyWindow(win32_window.hwnd);
    }
    win32_window.hwnd = nullptr;
}

// Marks every row for the next pass.
void gdi_paint() { gfx_mark_all_rows_dirty(gfx_context); }
