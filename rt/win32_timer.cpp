// The Windows clock: the performance counter, with GetTickCount when it is missing.
#include <windows.h>

#include "rt/timer_clock.h"

namespace {

// QueryPerformanceFrequency, false when the counter is missing.
bool performance_frequency(int64_t* ticks_per_second) {
    LARGE_INTEGER f;
    if (!QueryPerformanceFrequency(&f)) {
        return false;
    }
    *ticks_per_second = f.QuadPart;
    return true;
}

// QueryPerformanceCounter's current value.
int64_t performance_counter() {
    LARGE_INTEGER c;
    QueryPerformanceCounter(&c);
    return c.QuadPart;
}

// GetTickCount: milliseconds since the system started, wrapping at 2^32.
uint32_t tick_count() { return GetTickCount(); }

} // namespace

const TimerClock RT_PLATFORM_CLOCK = {performance_frequency, performance_counter, tick_count};
