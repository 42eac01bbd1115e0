// The sleep statement on a graphics screen: where it checks for keys and how it sleeps.
#include <gtest/gtest.h>

#include <vector>

#include "gfx/core/test_seams.h"
#include "gfx/input/input.h"

namespace {

std::vector<int> sleeps;
int post_at = 0; // post a key during this sleep (1-based), 0 for never

// Records each sleep instead of sleeping, and posts a key during the chosen one.
void fake_sleep(int ms) {
    sleeps.push_back(ms);
    if (static_cast<int>(sleeps.size()) == post_at) {
        gfx_post_key('k');
    }
}

class GfxSleep : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = input_sleep_ms;
        input_sleep_ms = fake_sleep;
        sleeps.clear();
        post_at = 0;
        drain();
    }
    void TearDown() override {
        input_sleep_ms = saved_;
        drain();
    }
    static void drain() {
        while (gfx_read_key() != 0) {
        }
        gfx_take_key_event();
    }
    InputSleepFn saved_ = nullptr;
};

using Sleeps = std::vector<int>;

} // namespace

TEST_F(GfxSleep, LongSleepEndsAtTheCheckAfterTheKey) {
    post_at = 1;
    gfx_sleep(150);
    EXPECT_EQ(sleeps, Sleeps({50}));
}

TEST_F(GfxSleep, KeyWaitingBeforeALongSleepEndsItAtOnce) {
    gfx_post_key('k');
    gfx_sleep(150);
    EXPECT_TRUE(sleeps.empty());
    EXPECT_EQ(gfx_take_key_event(), 0); // the check took the event
    EXPECT_EQ(gfx_read_key(), 'k');     // but not the key
}

TEST_F(GfxSleep, HundredMillisecondsChecksOnlyAtItsStart) {
    post_at = 1;
    gfx_sleep(100);
    EXPECT_EQ(sleeps, Sleeps({50, 50}));
}

TEST_F(GfxSleep, ShortSleepsAreNeverInterrupted) {
    gfx_post_key('k');
    gfx_sleep(99);
    EXPECT_EQ(sleeps, Sleeps({99}));
    EXPECT_EQ(gfx_take_key_event(), 1);
}

TEST_F(GfxSleep, LongSleepWithoutKeysSleepsItAllInSteps) {
    gfx_sleep(250);
    EXPECT_EQ(sleeps, Sleeps({50, 50, 50, 50, 50}));
    sleeps.clear();
    gfx_sleep(263);
    EXPECT_EQ(sleeps, Sleeps({50, 50, 50, 50, 50, 13}));
}

TEST_F(GfxSleep, MinusOneWaitsForAKey) {
    post_at = 3;
    gfx_sleep(-1);
    EXPECT_EQ(sleeps, Sleeps({50, 50, 50}));
}

TEST_F(GfxSleep, NothingToSleepForZeroOrOtherNegatives) {
    gfx_sleep(0);
    gfx_sleep(-5);
    EXPECT_TRUE(sleeps.empty());
}
