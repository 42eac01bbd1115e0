// Times one presenting pass of the DirectDraw driver with every row dirty, at framebuffer depths
// 8, 16 and 32, at 640 x 480 and at the scaled sizes (640 x 480 at scale 2, 320 x 200 at scale 3),
// beside a bare Lock + copy + Unlock + Blt (stretching, at a scale) of the same surface, then the
// processor time an idle open screen takes beside the bare sleeping thread. A plain Windows
// program: run it under Wine (bench/present_table.sh runs every presenting benchmark) and it
// prints rows of one table.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "gfx/core/context.h"
#include "gfx/core/screen.h"
#include "gfx/core/window_scale.h"
#include "gfx/drivers/dx_state.h"
#include "gfx/win32/win32_window.h"
#include "idle_share.h"
#include "present_window.h"

namespace {

constexpr int PASSES_PER_ROUND = 50;
constexpr int ROUNDS = 7;

// The driver's own pass with every row marked.
void driver_pass() {
    const int height = gfx_context->height;
    std::memset(gfx_context->dirty_rows, 1, static_cast<size_t>(height));
    dx_prepare();
    dx_present_span(0, height - 1);
}

// The least a pass can do: lock the off-screen surface, copy a picture already in the display's
// format into it row by row, unlock it and Blt it onto the window's client area, stretching it
// when the window is scaled (the driver enlarges the rows itself instead, since a stretching Blt
// may blend).
void bare_pass(const std::vector<uint8_t>& picture, int row_bytes) {
    DDSURFACEDESC desc{};
    desc.dwSize = sizeof desc;
    if (FAILED(dx.target->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr))) {
        return;
    }
    auto* surface = static_cast<uint8_t*>(desc.lpSurface);
    const int height = gfx_context->height;
    for (int y = 0; y < height; ++y) {
        std::memcpy(surface + static_cast<ptrdiff_t>(y) * desc.lPitch,
                    picture.data() + y * row_bytes, static_cast<size_t>(row_bytes));
    }
    dx.target->Unlock(desc.lpSurface);
    RECT destination{};
    GetClientRect(win32_window.hwnd, &destination);
    POINT origin{0, 0};
    ClientToScreen(win32_window.hwnd, &origin);
    OffsetRect(&destination, origin.x, origin.y);
    RECT source{0, 0, gfx_context->width, height};
    dx.primary->Blt(&destination, dx.target, &source, DDBLT_WAIT, nullptr);
}

// The median of the per-pass times of several rounds of fn.
template <typename F>
double median_pass_us(F fn, std::vector<double>& rounds) {
    const double start = now_us();
    for (int i = 0; i < PASSES_PER_ROUND; ++i) {
        fn();
    }
    rounds.push_back((now_us() - start) / PASSES_PER_ROUND);
    std::vector<double> sorted = rounds;
    std::sort(sorted.begin(), sorted.end());
    return sorted[sorted.size() / 2];
}

// The display's bytes per pixel, from the off-screen surface.
int display_bytes() {
    DDSURFACEDESC desc{};
    desc.dwSize = sizeof desc;
    dx.target->GetSurfaceDesc(&desc);
    return static_cast<int>(desc.ddpfPixelFormat.dwRGBBitCount + 7) / 8;
}

// Times the pass and the bare path in alternating rounds on a screen of this size, depth and
// scale, and prints their row. false when the screen does not open on this driver at this scale.
bool bench_screen(int width, int height, int depth, int scale) {
    gfx_window_scale(scale);
    if (gfx_screen_res(width, height, depth, 0, 0, 0) != 0 ||
        gfx_context->driver != &GFX_DRIVER_DIRECTX || !shows_whole_picture(scale)) {
        std::printf(
            "| DirectX | %d | cannot open a %d x %d DirectDraw screen at scale %d | | | |\n", depth,
            width, height, scale);
        gfx_screen(0, 0, 0, 0, 0);
        return false;
    }
    for (int i = 0; i < gfx_context->pitch * height; ++i) {
        gfx_context->pages[0][i] = static_cast<uint8_t>(i * 7 + i / width);
    }
    std::vector<double> driver_rounds, bare_rounds;
    double driver_us = 0, bare_us = 0;
    {
        GfxLockGuard lock(gfx_context); // keeps the display thread out while we time
        const int row_bytes = width * display_bytes();
        std::vector<uint8_t> picture(static_cast<size_t>(row_bytes) * height, 0x5A);
        for (int warm = 0; warm < 5; ++warm) {
            driver_pass();
            bare_pass(picture, row_bytes);
        }
        for (int r = 0; r < ROUNDS; ++r) {
            driver_us = median_pass_us(driver_pass, driver_rounds);
            bare_us = median_pass_us([&] { bare_pass(picture, row_bytes); }, bare_rounds);
        }
    }
    std::printf(
        "| DirectX | %d | pass %d x %d at scale %d, all rows marked | %.1f | %.1f | %.2f |\n",
        depth, width, height, scale, driver_us, bare_us, driver_us / bare_us);
    gfx_screen(0, 0, 0, 0, 0);
    return true;
}

} // namespace

int main() {
    std::strcpy(gfx_title, "qzgfx dx present bench");
    bool ok = true;
    for (int depth : {8, 16, 32}) {
        ok = bench_screen(640, 480, depth, 1) && ok;
    }
    for (int depth : {8, 16, 32}) {
        ok = bench_screen(640, 480, depth, 2) && ok;
        ok = bench_screen(320, 200, depth, 3) && ok;
    }
    gfx_window_scale(0);
    return print_idle_row("DirectX", &GFX_DRIVER_DIRECTX) && ok ? 0 : 1;
}
