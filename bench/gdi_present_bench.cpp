// The GDI driver's presenting pass beside a bare SetDIBitsToDevice of the same rows onto the same
// window, at 640 x 480 with every row marked, at depths 8, 16 and 32, and the scaled passes (640 x
// 480 at scale 2, 320 x 200 at scale 3) beside a bare StretchDIBits of the same output size; then
// the processor share of the process while nothing is marked, beside the bare sleeping thread. A plain Windows program, run under Wine by
// bench/present_table.sh; prints rows of that script's table.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <vector>

#include "gfx/core/context.h"
#include "gfx/core/screen.h"
#include "gfx/core/window_scale.h"
#include "gfx/drivers/gdi_driver.h"
#include "gfx/win32/win32_window.h"
#include "idle_share.h"
#include "present_window.h"

namespace {

constexpr int ROUNDS = 300;

// Microseconds between two performance-counter readings.
double micros(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) * 1e6 /
           static_cast<double>(frequency.QuadPart);
}

// The middle value of a set of timings.
double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Fills every page byte of the open screen with random values.
void fill_random() {
    std::mt19937 random(1);
    GfxContext* ctx = gfx_context;
    for (size_t i = 0; i < static_cast<size_t>(ctx->pitch) * ctx->height; ++i) {
        ctx->visible_buffer[i] = static_cast<uint8_t>(random());
    }
}

// One pass with every row marked, in microseconds. The caller holds the window lock.
double time_pass() {
    const int height = gfx_context->height;
    std::memset(gfx_context->dirty_rows, 1, static_cast<size_t>(height));
    LARGE_INTEGER t0, t1;
    QueryPerformanceCounter(&t0);
    gdi_prepare();
    gdi_present_span(0, height - 1);
    QueryPerformanceCounter(&t1);
    return micros(t0, t1);
}

// The bare call: the same rows, already in the bitmap's format, onto the same window through a
// device context fetched and released as the pass does; stretched to the window's scale by
// StretchDIBits when it has one.
double time_bare() {
    const uint8_t* bits =
        gdi_state.convert_buffer ? gdi_state.convert_buffer : gfx_context->visible_buffer;
    const int w = gfx_context->width;
    const int h = gfx_context->height;
    const int scale = win32_window.scale;
    LARGE_INTEGER t0, t1;
    QueryPerformanceCounter(&t0);
    HDC dc = GetDC(win32_window.hwnd);
    if (scale > 1) {
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchDIBits(dc, 0, 0, w * scale, h * scale, 0, 0, w, h, bits, gdi_state.bitmap_info,
                      DIB_RGB_COLORS, SRCCOPY);
    } else {
        SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(w), static_cast<DWORD>(h), 0, 0, 0,
                          static_cast<UINT>(h), bits, gdi_state.bitmap_info, DIB_RGB_COLORS);
    }
    ReleaseDC(win32_window.hwnd, dc);
    QueryPerformanceCounter(&t1);
    return micros(t0, t1);
}

// Times pass and bare call alternately, each going first in every other round, and prints the
// medians. false when the screen does not open on this driver at this scale.
bool bench_screen(int width, int height, int depth, int scale) {
    gfx_window_scale(scale);
    if (gfx_screen_res(width, height, depth, 1, 0, 0) != 0 ||
        gfx_context->driver != &GFX_DRIVER_GDI || !shows_whole_picture(scale)) {
        return false;
    }
    fill_random();
    Sleep(200);
    std::vector<double> pass, bare;
    win32_lock();
    for (int i = 0; i < ROUNDS; ++i) {
        if (i % 2) {
            pass.push_back(time_pass());
            bare.push_back(time_bare());
        } else {
            bare.push_back(time_bare());
            pass.push_back(time_pass());
        }
    }
    win32_unlock();
    const double p = median(pass), b = median(bare);
    std::printf("| GDI | %d | pass %d x %d at scale %d, all rows marked | %.1f | %.1f | %.2f |\n",
                depth, width, height, scale, p, b, p / b);
    return true;
}

} // namespace

int main() {
    _putenv("QZGFX=GDI");
    std::snprintf(gfx_title, sizeof gfx_title, "qzgfx present bench");
    bool ok = true;
    for (int depth : {8, 16, 32}) {
        ok = bench_screen(640, 480, depth, 1) && ok;
    }
    for (int depth : {8, 16, 32}) {
        ok = bench_screen(640, 480, depth, 2) && ok;
        ok = bench_screen(320, 200, depth, 3) && ok;
    }
    gfx_window_scale(0);
    ok = print_idle_row("GDI", &GFX_DRIVER_GDI) && ok;
    gfx_screen(0, 0, 0, 0, 0);
    std::fflush(stdout);
    return ok ? 0 : 1;
}
