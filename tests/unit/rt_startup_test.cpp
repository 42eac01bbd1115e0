// The runtime's start-up: arguments kept, rounding to nearest with ties to even.
#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>

#include "rt/rt.h"

namespace {

TEST(RtStartup, KeepsTheArgumentsAndRoundsToNearestEven) {
    const int saved_round = std::fegetround();
    const int saved_argc = rt_argc();
    char** const saved_argv = rt_argv();
    char name[] = "program";
    char* argv[] = {name, nullptr};

    ASSERT_EQ(std::fesetround(FE_UPWARD), 0);
    rt_start(1, argv);
    EXPECT_EQ(rt_argc(), 1);
    EXPECT_EQ(rt_argv(), argv);
    EXPECT_EQ(std::fegetround(), FE_TONEAREST);
    volatile double half = 2.5;
    EXPECT_EQ(std::nearbyint(half), 2.0);
    volatile double other_half = 3.5;
    EXPECT_EQ(std::nearbyint(other_half), 4.0);

    rt_start(saved_argc, saved_argv);
    std::fesetround(saved_round);
}

} // namespace
