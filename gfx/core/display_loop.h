// The timing of a software driver's display thread, apart from any window system: passes at
// least DISPLAY_PASS_INTERVAL_MS apart, each with the screen's lock held, however often the
// thread is woken between them.
#pragma once

#include <cstdint>

// The shortest time between the starts of two passes.
constexpr int DISPLAY_PASS_INTERVAL_MS = 10;

// What ended the wait before a pass, as bits; 0 means the time ran out.
constexpr unsigned DISPLAY_WOKE_MESSAGE = 1; // a message came for the window
constexpr unsigned DISPLAY_WOKE_INPUT = 2;   // the input device reported a change

// What a display loop runs on: the window system's wait, a plain sleep, a clock, the lock and
// the pass itself.
struct DisplayLoop {
    // Waits up to ms milliseconds for a message or an input change; returns the DISPLAY_WOKE_
    // bits of what came, 0 when the time ran out.
    unsigned (*wait)(int ms) = nullptr;
    // Sleeps ms milliseconds; nothing ends it early.
    void (*sleep)(int ms) = nullptr;
    // A monotonic clock in microseconds.
    int64_t (*now_us)() = nullptr;
    // The lock held for each whole pass.
    void (*lock)() = nullptr;
    void (*unlock)() = nullptr;
    // One pass; `woke` holds what ended the wait before it.
    void (*pass)(unsigned woke) = nullptr;
    // The loop runs while this is non-zero.
    const volatile int* running = nullptr;
};

// Runs passes while *running. Before each pass the loop waits for the rest of the interval since
// the last pass began; a wait that something ends early is followed by a plain sleep for what is
// left, so that a burst of messages neither brings passes closer together nor takes the lock
// more often. An idle loop costs one wait per pass.
void display_loop_run(const DisplayLoop& loop);

// Microseconds of the process's monotonic clock.
int64_t display_clock_us();
