// The display thread's pass timing on a simulated clock: passes stay at least the interval apart
// and take the lock once each, whether the thread sleeps undisturbed or a burst of messages keeps
// waking it; and the changed-row marks the passes scan, set and clear.
#include <gtest/gtest.h>

#include <vector>

#include "gfx/core/context.h"
#include "gfx/core/dirty_rows.h"
#include "gfx/core/display_loop.h"

namespace {

// The simulated thread: a clock that only the waits and sleeps move, and a record of the passes.
struct SimulatedThread {
    int64_t clock_us = 0;
    int64_t message_every_us = 0; // 0: no messages; else one arrives this often
    int64_t next_message_us = 0;
    int waits = 0;
    int sleeps = 0;
    int locks = 0;
    bool locked = false;
    bool pass_unlocked = false;
    int passes_wanted = 0;
    volatile int running = 1;
    std::vector<int64_t> pass_starts;
    std::vector<unsigned> wakes;
};

SimulatedThread sim;

// Waits until the next message or the time-out, whichever comes first.
unsigned simulated_wait(int ms) {
    ++sim.waits;
    const int64_t until = sim.clock_us + int64_t{ms} * 1000;
    if (sim.message_every_us > 0 && sim.next_message_us <= until) {
        if (sim.next_message_us > sim.clock_us) {
            sim.clock_us = sim.next_message_us;
        }
        sim.next_message_us = sim.clock_us + sim.message_every_us;
        return DISPLAY_WOKE_MESSAGE;
    }
    sim.clock_us = until;
    return 0;
}

void simulated_sleep(int ms) {
    ++sim.sleeps;
    sim.clock_us += int64_t{ms} * 1000;
}

int64_t simulated_now() { return sim.clock_us; }

void simulated_lock() {
    ++sim.locks;
    sim.locked = true;
}

void simulated_unlock() { sim.locked = false; }

// Records the pass and stops the loop after the wanted number; each pass takes 300 µs.
void simulated_pass(unsigned woke) {
    if (!sim.locked) {
        sim.pass_unlocked = true;
    }
    sim.pass_starts.push_back(sim.clock_us);
    sim.wakes.push_back(woke);
    sim.clock_us += 300;
    if (static_cast<int>(sim.pass_starts.size()) == sim.passes_wanted) {
        sim.running = 0;
    }
}

// Runs the loop on the simulated thread for `passes` passes.
void run_passes(int passes, int64_t message_every_us) {
    sim = SimulatedThread{};
    sim.clock_us = 1000000;
    sim.message_every_us = message_every_us;
    sim.next_message_us = sim.clock_us + message_every_us;
    sim.passes_wanted = passes;
    DisplayLoop loop;
    loop.wait = simulated_wait;
    loop.sleep = simulated_sleep;
    loop.now_us = simulated_now;
    loop.lock = simulated_lock;
    loop.unlock = simulated_unlock;
    loop.pass = simulated_pass;
    loop.running = &sim.running;
    display_loop_run(loop);
}

// The shortest gap between two pass starts, in microseconds.
int64_t shortest_gap() {
    int64_t gap = INT64_MAX;
    for (size_t i = 1; i < sim.pass_starts.size(); ++i) {
        gap = std::min(gap, sim.pass_starts[i] - sim.pass_starts[i - 1]);
    }
    return gap;
}

constexpr int64_t INTERVAL_US = DISPLAY_PASS_INTERVAL_MS * 1000;

} // namespace

TEST(DisplayLoop, IdlePassesComeEveryIntervalWithOneWaitEach) {
    run_passes(100, 0);
    ASSERT_EQ(100u, sim.pass_starts.size());
    EXPECT_GE(shortest_gap(), INTERVAL_US);
    // The first pass runs at once; after it, one wait a pass and no extra sleeps.
    EXPECT_EQ(sim.pass_starts.front(), 1000000);
    EXPECT_EQ(100, sim.waits);
    EXPECT_EQ(0, sim.sleeps);
    EXPECT_EQ(100, sim.locks);
    EXPECT_FALSE(sim.pass_unlocked);
    for (unsigned woke : sim.wakes) {
        EXPECT_EQ(0u, woke);
    }
}

// A mouse dragged across the window: a message every 250 µs for a simulated second must not
// raise the presenting rate nor take the lock more than once a pass.
TEST(DisplayLoop, ABurstOfMessagesKeepsPassesAnIntervalApart) {
    run_passes(100, 250);
    ASSERT_EQ(100u, sim.pass_starts.size());
    EXPECT_GE(shortest_gap(), INTERVAL_US);
    const int64_t span = sim.pass_starts.back() - sim.pass_starts.front();
    EXPECT_LE(static_cast<int64_t>(sim.locks - 1) * INTERVAL_US, span);
    EXPECT_EQ(100, sim.locks);
    EXPECT_FALSE(sim.pass_unlocked);
    // The passes still learn that messages came, so that they pump them.
    int woken = 0;
    for (unsigned woke : sim.wakes) {
        woken += (woke & DISPLAY_WOKE_MESSAGE) ? 1 : 0;
    }
    EXPECT_GE(woken, 99);
}

// A message now and then ends the wait early; the pass still waits for its interval.
TEST(DisplayLoop, AnEarlyMessageWaitsForTheRestOfTheInterval) {
    run_passes(50, 3700);
    ASSERT_EQ(50u, sim.pass_starts.size());
    EXPECT_GE(shortest_gap(), INTERVAL_US);
    EXPECT_GT(sim.sleeps, 0);
    EXPECT_EQ(50, sim.locks);
}

TEST(DirtyRows, SpanFromFirstToLastMark) {
    std::vector<uint8_t> marks(200, 0);
    int first = -1;
    int last = -1;
    EXPECT_FALSE(gfx_dirty_span(marks.data(), 200, &first, &last));
    EXPECT_EQ(-1, first);
    marks[3] = 1;
    marks[90] = 1;
    ASSERT_TRUE(gfx_dirty_span(marks.data(), 200, &first, &last));
    EXPECT_EQ(3, first);
    EXPECT_EQ(90, last);
    marks[199] = 1;
    ASSERT_TRUE(gfx_dirty_span(marks.data(), 200, &first, &last));
    EXPECT_EQ(199, last);
    // Marks beyond the rows asked about do not count.
    EXPECT_TRUE(gfx_dirty_span(marks.data(), 91, &first, &last));
    EXPECT_EQ(90, last);
    marks.assign(200, 0);
    marks[0] = 1;
    ASSERT_TRUE(gfx_dirty_span(marks.data(), 200, &first, &last));
    EXPECT_EQ(0, first);
    EXPECT_EQ(0, last);
    EXPECT_FALSE(gfx_dirty_span(nullptr, 200, &first, &last));
    EXPECT_FALSE(gfx_dirty_span(marks.data(), 0, &first, &last));
}

// Marking and clearing cover every shown row (doubled rows included) and not a byte more.
TEST(DirtyRows, MarkAndClearEveryShownRow) {
    std::vector<uint8_t> marks(2 * 7 + 5, 0xEE);
    GfxContext ctx{};
    ctx.height = 7;
    ctx.scanline_size = 2;
    ctx.dirty_rows = marks.data();
    gfx_mark_all_rows_dirty(&ctx);
    for (int y = 0; y < 14; ++y) {
        EXPECT_EQ(1, marks[y]) << y;
    }
    for (int y = 14; y < 19; ++y) {
        EXPECT_EQ(0xEE, marks[y]) << y;
    }
    gfx_clear_row_marks(&ctx);
    for (int y = 0; y < 14; ++y) {
        EXPECT_EQ(0, marks[y]) << y;
    }
    for (int y = 14; y < 19; ++y) {
        EXPECT_EQ(0xEE, marks[y]) << y;
    }
    gfx_mark_all_rows_dirty(nullptr);
    ctx.dirty_rows = nullptr;
    gfx_clear_row_marks(&ctx);
}
