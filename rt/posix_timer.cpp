// The native clock: CLOCK_MONOTONIC in nanoseconds.
#include <ctime>

#include "rt/timer_clock.h"

namespace {

// Nanoseconds of the monotonic clock.
int64_t monotonic_nanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// The monotonic clock always exists and counts nanoseconds.
bool monotonic_frequency(int64_t* ticks_per_second) {
    *ticks_per_second = 1000000000;
    return true;
}

// The monotonic clock in whole milliseconds, wrapping at 2^32.
uint32_t monotonic_milliseconds() {
    return static_cast<uint32_t>(monotonic_nanoseconds() / 1000000);
}

} // namespace

const TimerClock RT_PLATFORM_CLOCK = {monotonic_frequency, monotonic_nanoseconds,
                                      monotonic_milliseconds};
