// The timer: the once-made choice of counter, the conversion to seconds, and the real clock.
#include <gtest/gtest.h>

#include "rt/rt.h"
#include "rt/timer_clock.h"

namespace {

// A clock whose counters the test sets.
struct FakeClock {
    static bool has_frequency;
    static int64_t frequency_value;
    static int64_t counter_value;
    static uint32_t milliseconds_value;
    static int frequency_calls;

    static bool frequency(int64_t* ticks) {
        ++frequency_calls;
        *ticks = frequency_value;
        return has_frequency;
    }
    static int64_t counter() { return counter_value; }
    static uint32_t milliseconds() { return milliseconds_value; }
};
bool FakeClock::has_frequency = true;
int64_t FakeClock::frequency_value = 0;
int64_t FakeClock::counter_value = 0;
uint32_t FakeClock::milliseconds_value = 0;
int FakeClock::frequency_calls = 0;

const TimerClock FAKE_CLOCK = {FakeClock::frequency, FakeClock::counter, FakeClock::milliseconds};

class RtTimerChoice : public ::testing::Test {
protected:
    void SetUp() override {
        FakeClock::has_frequency = true;
        FakeClock::frequency_value = 0;
        FakeClock::counter_value = 0;
        FakeClock::milliseconds_value = 0;
        FakeClock::frequency_calls = 0;
    }
};

TEST_F(RtTimerChoice, PreciseCounterIsScaledByItsFrequency) {
    FakeClock::frequency_value = 4000;
    const TimerChoice choice = timer_choose(FAKE_CLOCK);
    FakeClock::counter_value = 10000;
    FakeClock::milliseconds_value = 999999;
    EXPECT_DOUBLE_EQ(timer_read(choice, FAKE_CLOCK), 2.5);
    FakeClock::counter_value = 10001;
    EXPECT_DOUBLE_EQ(timer_read(choice, FAKE_CLOCK), 10001 * (1.0 / 4000));
}

TEST_F(RtTimerChoice, MissingFrequencyFallsBackToMilliseconds) {
    FakeClock::has_frequency = false;
    FakeClock::frequency_value = 1000;
    const TimerChoice choice = timer_choose(FAKE_CLOCK);
    FakeClock::counter_value = 777777;
    FakeClock::milliseconds_value = 1500;
    EXPECT_DOUBLE_EQ(timer_read(choice, FAKE_CLOCK), 1.5);
}

TEST_F(RtTimerChoice, ZeroFrequencyFallsBackToMilliseconds) {
    FakeClock::frequency_value = 0;
    const TimerChoice choice = timer_choose(FAKE_CLOCK);
    FakeClock::counter_value = 5;
    FakeClock::milliseconds_value = 250;
    EXPECT_DOUBLE_EQ(timer_read(choice, FAKE_CLOCK), 0.25);
}

TEST_F(RtTimerChoice, MillisecondsAreUnsigned) {
    FakeClock::has_frequency = false;
    const TimerChoice choice = timer_choose(FAKE_CLOCK);
    FakeClock::milliseconds_value = 0xFFFFFFFFu;
    EXPECT_DOUBLE_EQ(timer_read(choice, FAKE_CLOCK), 4294967295.0 * 0.001);
}

TEST_F(RtTimerChoice, ReadingDoesNotAskForTheFrequencyAgain) {
    FakeClock::frequency_value = 10;
    const TimerChoice choice = timer_choose(FAKE_CLOCK);
    FakeClock::has_frequency = false;
    FakeClock::counter_value = 30;
    for (int i = 0; i < 3; ++i) {
        EXPECT_DOUBLE_EQ(timer_read(choice, FAKE_CLOCK), 3.0);
    }
    EXPECT_EQ(FakeClock::frequency_calls, 1);
}

TEST(RtTimer, NeverGoesBackwards) {
    double previous = timer_seconds();
    for (int i = 0; i < 100000; ++i) {
        const double now = timer_seconds();
        ASSERT_GE(now, previous);
        previous = now;
    }
}

} // namespace
