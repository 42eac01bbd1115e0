// Times one presenting pass of the DirectDraw driver at 640 x 480 with every row dirty, at
// framebuffer depths 8, 16 and 32, beside a bare Lock + copy + Unlock + Blt of the same surface,
// then the processor time an idle open screen takes. A plain Windows program: run it under Wine
// (bench/present_table.sh runs every presenting benchmark) and it prints rows of one table.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "gfx/core/context.h"
#include "gfx/core/screen.h"
#include "gfx/drivers/dx_state.h"
#include "gfx/win32/win32_window.h"

namespace {

constexpr int WIDTH = 640;
constexpr int HEIGHT = 480;
constexpr int PASSES_PER_ROUND = 50;
constexpr int ROUNDS = 7;

// Microseconds since an arbitrary start.
double now_us() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart);
}

// The driver's own pass with every row marked.
void driver_pass() {
    std::memset(gfx_context->dirty_rows, 1, HEIGHT);
    dx_present();
}

// The least a pass can do: lock the off-screen surface, copy a picture already in the display's
// format into it row by row, unlock it and Blt it to the window.
void bare_pass(const std::vector<uint8_t>& picture, int row_bytes) {
    DDSURFACEDESC desc{};
    desc.dwSize = sizeof desc;
    if (FAILED(dx.target->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr))) return;
    auto* surface = static_cast<uint8_t*>(desc.lpSurface);
    for (int y = 0; y < HEIGHT; ++y)
        std::memcpy(surface + static_cast<ptrdiff_t>(y) * desc.lPitch, picture.data() + y * row_bytes,
                    static_cast<size_t>(row_bytes));
    dx.target->Unlock(desc.lpSurface);
    dx_paint();
}

// The median of the per-pass times of several rounds of fn.
template <typename F>
double median_pass_us(F fn, std::vector<double>& rounds) {
    const double start = now_us();
    for (int i = 0; i < PASSES_PER_ROUND; ++i) fn();
    rounds.push_back((now_us() - start) / PASSES_PER_ROUND);
    std::vector<double> sorted = rounds;
    std::sort(sorted.begin(), sorted.end());
    return sorted[sorted.size() / 2];
}

// Processor time (user + kernel) of this process in microseconds.
double process_cpu_us() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto us = [](FILETIME t) {
        return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) |
                                   t.dwLowDateTime) / 10.0;
    };
    return us(kernel) + us(user);
}

// The display's bytes per pixel, from the off-screen surface.
int display_bytes() {
    DDSURFACEDESC desc{};
    desc.dwSize = sizeof desc;
    dx.target->GetSurfaceDesc(&desc);
    return static_cast<int>(desc.ddpfPixelFormat.dwRGBBitCount + 7) / 8;
}

// Wall time over which an idle share is measured. Wine counts a process's processor time in
// 10 ms steps, so 15 s keep the share's error under 0.07 % of a core.
constexpr DWORD IDLE_MS = 15000;

// The processor share of this process over IDLE_MS, in percent of one core.
double cpu_percent_idle() {
    Sleep(500);
    const double cpu0 = process_cpu_us();
    const double wall0 = now_us();
    Sleep(IDLE_MS);
    return 100.0 * (process_cpu_us() - cpu0) / (now_us() - wall0);
}

volatile LONG floor_running = 0;

// The least an idle display thread does: sleep 10 ms and look for messages, again and again.
DWORD WINAPI idle_floor_thread(void*) {
    MSG msg;
    while (floor_running) {
        Sleep(10);
        PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);
    }
    return 0;
}

// The processor share of a thread doing only that, for comparison with an idle screen.
double idle_floor_percent() {
    floor_running = 1;
    HANDLE thread = CreateThread(nullptr, 0, idle_floor_thread, nullptr, 0, nullptr);
    const double percent = cpu_percent_idle();
    floor_running = 0;
    if (thread) {
        WaitForSingleObject(thread, INFINITE);
        CloseHandle(thread);
    }
    return percent;
}

} // namespace

int main() {
    std::strcpy(gfx_title, "qzgfx dx present bench");
    double idle_percent = -1;
    for (int depth : {8, 16, 32}) {
        if (gfx_screen_res(WIDTH, HEIGHT, depth, 0, 0, 0) != 0 ||
            gfx_context->driver != &GFX_DRIVER_DIRECTX) {
            std::printf("| DirectX | %d | cannot open a DirectDraw screen | | | |\n", depth);
            gfx_screen(0, 0, 0, 0, 0);
            continue;
        }
        for (int i = 0; i < gfx_context->pitch * HEIGHT; ++i)
            gfx_context->pages[0][i] = static_cast<uint8_t>(i * 7 + i / 640);
        std::vector<double> driver_rounds, bare_rounds;
        double driver_us = 0, bare_us = 0;
        {
            GfxLockGuard lock(gfx_context); // keeps the display thread out while we time
            const int row_bytes = WIDTH * display_bytes();
            std::vector<uint8_t> picture(static_cast<size_t>(row_bytes) * HEIGHT, 0x5A);
            for (int warm = 0; warm < 5; ++warm) {
                driver_pass();
                bare_pass(picture, row_bytes);
            }
            for (int r = 0; r < ROUNDS; ++r) {
                driver_us = median_pass_us(driver_pass, driver_rounds);
                bare_us = median_pass_us([&] { bare_pass(picture, row_bytes); }, bare_rounds);
            }
        }
        std::printf("| DirectX | %d | pass, all rows marked | %.1f | %.1f | %.2f |\n", depth,
                    driver_us, bare_us, driver_us / bare_us);
        if (depth == 8) idle_percent = cpu_percent_idle();
        gfx_screen(0, 0, 0, 0, 0);
    }
    std::printf("| DirectX | 8 | screen idle, process %% of a core over %lu s | %.2f | | |\n",
                static_cast<unsigned long>(IDLE_MS / 1000), idle_percent);
    std::printf("| (none) | | bare thread: Sleep(10) + PeekMessage, %% of a core | %.2f | | |\n",
                idle_floor_percent());
    return 0;
}
