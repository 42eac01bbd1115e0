// The processor share an idle screen costs, and the share of the least an idle display thread can
// do, measured the same way so that the presenting benchmarks can set them side by side.
#pragma once

#include <windows.h>

#include <cstdio>

#include "gfx/core/context.h"
#include "gfx/core/driver.h"
#include "gfx/core/screen.h"

// Microseconds since an arbitrary start.
inline double now_us() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart);
}

// Processor time (user + kernel) of this process in microseconds. Wine counts it in 10 ms steps,
// so a share over a short time is coarse: the comparison below measures for a minute a side.
inline double process_cpu_us() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto us = [](FILETIME t) {
        return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) |
                                   t.dwLowDateTime) /
               10.0;
    };
    return us(kernel) + us(user);
}

// Wall time of one round of an idle share: with Wine's 10 ms count, one round's share is good to
// 0.07 % of a core, and the four rounds of a side together to under 0.02 %.
constexpr DWORD IDLE_MS = 15000;

// The processor share of this process over IDLE_MS, in percent of one core.
inline double cpu_percent_idle() {
    Sleep(500);
    const double cpu0 = process_cpu_us();
    const double wall0 = now_us();
    Sleep(IDLE_MS);
    return 100.0 * (process_cpu_us() - cpu0) / (now_us() - wall0);
}

inline volatile LONG floor_running = 0;

// The least an idle display thread does: sleep 10 ms and look for messages, again and again. With
// a non-null parameter the thread first makes a visible window of its own, as a display thread
// does: Wine then looks at the X display's events whenever the thread looks for messages.
inline DWORD WINAPI idle_floor_thread(void* with_window) {
    HWND window = nullptr;
    if (with_window) {
        window =
            CreateWindowExA(0, "STATIC", "qzgfx idle floor", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                            320, 200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    MSG msg;
    while (floor_running) {
        Sleep(10);
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&msg);
        }
    }
    if (window) {
        DestroyWindow(window);
    }
    return 0;
}

// The processor share of a thread doing only that, with or without a window, for comparison with
// an idle screen.
inline double idle_floor_percent(bool with_window) {
    floor_running = 1;
    HANDLE thread = CreateThread(nullptr, 0, idle_floor_thread,
                                 with_window ? reinterpret_cast<void*>(1) : nullptr, 0, nullptr);
    const double percent = cpu_percent_idle();
    floor_running = 0;
    if (thread) {
        WaitForSingleObject(thread, INFINITE);
        CloseHandle(thread);
    }
    return percent;
}

// Rounds of the idle comparison: each measures an idle screen, then the bare thread without and
// with a window.
constexpr int IDLE_ROUNDS = 3;

// Measures an idle mode-13 screen of `driver` and the two bare threads in turn, IDLE_ROUNDS
// times, and prints the mean share of each over all its rounds as two rows of the presenting
// table, the screen against each bare thread: taking them in turn sets each screen round beside
// floor rounds under the same machine load. false when the screen does not open on that driver.
inline bool print_idle_row(const char* name, const GfxDriver* driver) {
    double screen = 0;
    double bare = 0;
    double bare_window = 0;
    for (int round = 0; round < IDLE_ROUNDS; ++round) {
        if (gfx_screen(13, 0, 1, 0, 0) != 0 || gfx_context->driver != driver) {
            gfx_screen(0, 0, 0, 0, 0);
            std::printf("| %s | 8 | idle: cannot open a screen | | | |\n", name);
            return false;
        }
        screen += cpu_percent_idle() / IDLE_ROUNDS;
        gfx_screen(0, 0, 0, 0, 0);
        bare += idle_floor_percent(false) / IDLE_ROUNDS;
        bare_window += idle_floor_percent(true) / IDLE_ROUNDS;
    }
    const unsigned long seconds = IDLE_MS / 1000;
    std::printf("| %s | 8 | idle screen, %% of a core, beside a bare thread (Sleep(10) + "
                "PeekMessage), %d × %lu s each in turn | %.3f | %.3f | %.2f |\n",
                name, IDLE_ROUNDS, seconds, screen, bare, bare > 0 ? screen / bare : 0.0);
    std::printf("| %s | 8 | the same screen beside a bare thread with a window of its own | %.3f | "
                "%.3f | %.2f |\n",
                name, screen, bare_window, bare_window > 0 ? screen / bare_window : 0.0);
    return true;
}
