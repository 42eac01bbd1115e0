// The GDI driver's window and bitmap: made on entering the mode, released on leaving it.
#include <cstdlib>
#include <cstring>

#include "gfx/blit/blitter.h"
#include "gfx/core/context.h"
#include "gfx/core/types.h"
#include "gfx/drivers/gdi_driver.h"
#include "gfx/win32/win32_window.h"

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
           ctx->bytes_per_pixel * 8 == win32_window.depth && ctx->pitch == ctx->width * ctx->bytes_per_pixel;
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
    if (!win32_window.blitter) return false;
    gdi_state.convert_pitch = dib_pitch(ctx->pitch);
    gdi_state.convert_buffer = static_cast<uint8_t*>(
        std::calloc(static_cast<size_t>(win32_window.height), static_cast<size_t>(gdi_state.convert_pitch)));
    return gdi_state.convert_buffer != nullptr;
}

// Reads the display's refresh rate into the context, for the retrace wait.
void read_refresh_rate(GfxContext* ctx) {
    HDC dc = GetDC(win32_window.hwnd);
    ctx->refresh_rate = GetDeviceCaps(dc, VREFRESH);
    ReleaseDC(win32_window.hwnd, dc);
}

} // namespace

// Makes the window centred on the desktop with a client area of the screen's size, then the
// bitmap and, where needed, the conversion buffer. Full screen is refused: this driver only has
// a window.
int gdi_enter_mode() {
    gdi_state.bitmap_info = nullptr;
    gdi_state.convert_buffer = nullptr;
    win32_window.blitter = nullptr;
    if (win32_window.flags & SCREEN_FULLSCREEN) return -1;
    GfxContext* ctx = gfx_context;
    if (!framebuffer_matches(ctx)) return -1;

    RECT& rect = gdi_state.window_rect;
    rect = RECT{0, 0, win32_window.width, win32_window.height};
    AdjustWindowRect(&rect, FRAME_STYLE, FALSE);
    const int outer_w = rect.right - rect.left;
    const int outer_h = rect.bottom - rect.top;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - outer_w) >> 1;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - outer_h) >> 1;
    win32_window.hwnd = CreateWindowExA(0, win32_window.class_name, win32_window.title,
                                        WS_VISIBLE | FRAME_STYLE, x, y, outer_w, outer_h, nullptr,
                                        nullptr, win32_window.hinstance, nullptr);
    if (!win32_window.hwnd) return -1;

    gdi_state.bitmap_info = static_cast<BITMAPINFO*>(std::calloc(1, GDI_BITMAP_INFO_SIZE));
    if (!gdi_state.bitmap_info) return -1;
    fill_bitmap_header(gdi_state.bitmap_info->bmiHeader);
    if (!prepare_conversion(ctx)) return -1;

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
    if (win32_window.hwnd) DestroyWindow(win32_window.hwnd);
    win32_window.hwnd = nullptr;
}

// Marks every framebuffer row for the next pass.
void gdi_paint() {
    GfxContext* ctx = gfx_context;
    if (ctx && ctx->dirty_rows) std::memset(ctx->dirty_rows, 1, static_cast<size_t>(ctx->height));
}
