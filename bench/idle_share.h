// The processor share an idle screen costs, and the share of the least an idle display thread can
// do, measured the same way so that the presenting benchmarks can set them side by side.
#pragma once

#include <windows.h>

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

// Processor time (user + kernel) of this process in microseconds.
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

// Wall time over which an idle share is measured. Wine counts a process's processor time in
// 10 ms steps, so 15 s keep the share's error under 0.07 % of a core.
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

// The least an idle display thread does: sleep 10 ms and look for messages, again and again.
inline DWORD WINAPI idle_floor_thread(void*) {
    MSG msg;
    while (floor_running) {
        Sleep(10);
        PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);
    }
    return 0;
}

// The processor share of a thread doing only that, for comparison with an idle screen.
inline double idle_floor_percent() {
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
