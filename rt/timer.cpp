// The timer: seconds from the best clock the platform has, chosen on the first call.
#include "rt/rt.h"
#include "rt/timer_clock.h"

// Picks the precise counter when the clock reports a usable frequency.
TimerChoice timer_choose(const TimerClock& clock) {
    int64_t ticks = 0;
    if (clock.frequency(&ticks) && ticks > 0) {
        return TimerChoice{true, 1.0 / static_cast<double>(ticks)};
    }
    return TimerChoice{false, 0.0};
}

// Converts the chosen counter's value to seconds.
double timer_read(const TimerChoice& choice, const TimerClock& clock) {
    if (choice.precise) {
        return static_cast<double>(clock.counter()) * choice.tick_seconds;
    }
    return static_cast<double>(clock.milliseconds()) * 0.001;
}

// Seconds since an arbitrary origin; the counter is chosen once per process.
double timer_seconds() {
    static const TimerChoice choice = timer_choose(RT_PLATFORM_CLOCK);
    return timer_read(choice, RT_PLATFORM_CLOCK);
}
