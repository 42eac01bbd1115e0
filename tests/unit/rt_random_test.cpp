// The runtime's random numbers: seeding and 15-bit values.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <vector>

#include "rt/rt.h"

namespace {

// The values random_unit must give after srand(seed) and one discarded draw.
std::vector<double> expected_after_seed(unsigned seed, int count) {
    std::srand(seed);
    std::rand();
    std::vector<double> out;
    for (int i = 0; i < count; ++i) {
        out.push_back((std::rand() % 32768) / 32768.0);
    }
    return out;
}

// What random_unit gives after seed_random(seconds).
std::vector<double> drawn_after_seed(double seconds, int count) {
    seed_random(seconds);
    std::vector<double> out;
    for (int i = 0; i < count; ++i) {
        out.push_back(random_unit());
    }
    return out;
}

TEST(RtRandom, SeedingMatchesTheCLibraryAfterOneDiscardedValue) {
    EXPECT_EQ(drawn_after_seed(12345.0, 50), expected_after_seed(12345u, 50));
    EXPECT_EQ(drawn_after_seed(1.0, 50), expected_after_seed(1u, 50));
}

TEST(RtRandom, SecondsAreTruncatedTowardZero) {
    EXPECT_EQ(drawn_after_seed(7.99, 20), expected_after_seed(7u, 20));
    EXPECT_EQ(drawn_after_seed(-7.99, 20), expected_after_seed(static_cast<unsigned>(-7), 20));
}

TEST(RtRandom, SecondsBeyondThirtyTwoBitsWrapAndNonFiniteSecondsSeedZero) {
    EXPECT_EQ(drawn_after_seed(4294967296.0 + 9.5, 20), expected_after_seed(9u, 20));
    EXPECT_EQ(drawn_after_seed(-4294967296.0 * 3 - 2.0, 20),
              expected_after_seed(static_cast<unsigned>(-2), 20));
    EXPECT_EQ(drawn_after_seed(std::numeric_limits<double>::quiet_NaN(), 20),
              expected_after_seed(0u, 20));
    EXPECT_EQ(drawn_after_seed(std::numeric_limits<double>::infinity(), 20),
              expected_after_seed(0u, 20));
}

TEST(RtRandom, ValuesAreFifteenBitFractionsBelowOne) {
    seed_random(99.0);
    double lowest = 1.0;
    double highest = 0.0;
    bool odd_seen = false;
    for (int i = 0; i < 200000; ++i) {
        const double v = random_unit();
        ASSERT_GE(v, 0.0);
        ASSERT_LE(v, 32767.0 / 32768.0);
        const double scaled = v * 32768.0;
        ASSERT_EQ(scaled, std::floor(scaled)) << "not a multiple of 2^-15: " << v;
        odd_seen = odd_seen || (static_cast<int>(scaled) & 1) != 0;
        lowest = std::fmin(lowest, v);
        highest = std::fmax(highest, v);
    }
    EXPECT_TRUE(odd_seen);
    EXPECT_LT(lowest, 0.001);
    EXPECT_GT(highest, 0.999);
}

} // namespace
