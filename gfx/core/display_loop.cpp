// The display thread's pass timing.
#include "gfx/core/display_loop.h"

#include <chrono>

namespace {

constexpr int64_t INTERVAL_US = int64_t{DISPLAY_PASS_INTERVAL_MS} * 1000;

// Whole milliseconds that cover `us` microseconds, so that a wait never ends before them.
int ms_covering(int64_t us) { return static_cast<int>((us + 999) / 1000); }

} // namespace

// Waits out the interval, sleeps what an early wake-up left of it, then runs the pass locked. A
// wait that ran its whole time needs no sleep after it: the clock may read it a fraction of a
// millisecond short, and a second call there would double an idle pass's cost.
void display_loop_run(const DisplayLoop& loop) {
    int64_t last = loop.now_us() - INTERVAL_US;
    while (*loop.running) {
        int64_t left = last + INTERVAL_US - loop.now_us();
        const unsigned woke = loop.wait(left > 0 ? ms_covering(left) : 0);
        left = last + INTERVAL_US - loop.now_us();
        if (woke && left > 0) {
            loop.sleep(ms_covering(left));
        }
        last = loop.now_us();
        loop.lock();
        loop.pass(woke);
        loop.unlock();
    }
}

// The steady clock, in microseconds.
int64_t display_clock_us() {
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
