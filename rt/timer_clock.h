// The clock behind timer_seconds: a constant table of the platform's counters, so that the choice
// between them is made once, in portable code.
#pragma once

#include <cstdint>

struct TimerClock {
    // The precise counter's ticks per second; false when the platform has no precise counter.
    bool (*frequency)(int64_t* ticks_per_second);
    // The precise counter's current value.
    int64_t (*counter)();
    // The coarse clock: milliseconds, wrapping at 2^32.
    uint32_t (*milliseconds)();
};

// Which of a clock's counters timer_seconds reads, decided once.
struct TimerChoice {
    bool precise;        // read the precise counter
    double tick_seconds; // seconds per tick of the precise counter
};

// Asks the clock for its frequency, once: a clock that has none, or reports 0, falls back to the
// coarse millisecond clock.
TimerChoice timer_choose(const TimerClock& clock);

// Seconds by the chosen counter: counter × (1 / frequency), or milliseconds × 0.001.
double timer_read(const TimerChoice& choice, const TimerClock& clock);

// The platform's clock (rt/win32_timer.cpp, rt/posix_timer.cpp).
extern const TimerClock RT_PLATFORM_CLOCK;
