// The lights' scatter orders, bounces and movement, driven by a known random sequence.
#include <gtest/gtest.h>

#include <vector>

#include "demo/lights.h"

namespace {

// A random source that replays a fixed list of values and counts how many were drawn.
std::vector<double> g_sequence;
std::size_t g_drawn = 0;

// The next value of the list (the list repeats when exhausted).
double replay() {
    const double v = g_sequence[g_drawn % g_sequence.size()];
    ++g_drawn;
    return v;
}

// Starts a new replayed sequence.
void replay_from(std::vector<double> values) {
    g_sequence = std::move(values);
    g_drawn = 0;
}

// Whole-number fractions n / 32768, as the runtime's generator yields them.
double unit(int n) { return n / 32768.0; }

TEST(Lights, InitialScatterDrawsSizePositionColoursThenVelocities) {
    // chosen so that every field gets a distinct, recognisable value
    replay_from({0.5, 0.25, 0.75, 0.0, unit(32767), 0.5, 0.125, 0.0, unit(32767)});
    Light l{};
    scatter_light(l, replay);
    EXPECT_EQ(g_drawn, 9u);
    EXPECT_EQ(l.size, 128 + 128);
    EXPECT_EQ(l.x, 1 + 160);
    EXPECT_EQ(l.y, 1 + 360);
    EXPECT_EQ(l.red, 128);
    EXPECT_EQ(l.green, 255);
    EXPECT_EQ(l.blue, 192);
    EXPECT_EQ(l.alpha, 144);
    EXPECT_EQ(l.dx, -3);
    EXPECT_EQ(l.dy, 2);
}

TEST(Lights, RescatterDrawsPositionColoursSizeThenVelocities) {
    replay_from({0.25, 0.75, 0.0, unit(32767), 0.5, 0.125, 0.5, 0.0, unit(32767)});
    Light l{};
    rescatter_light(l, replay);
    EXPECT_EQ(g_drawn, 9u);
    EXPECT_EQ(l.x, 161);
    EXPECT_EQ(l.y, 361);
    EXPECT_EQ(l.red, 128);
    EXPECT_EQ(l.green, 255);
    EXPECT_EQ(l.blue, 192);
    EXPECT_EQ(l.alpha, 144);
    EXPECT_EQ(l.size, 256);
    EXPECT_EQ(l.dx, -3);
    EXPECT_EQ(l.dy, 2);
}

TEST(Lights, ScatteredValuesStayInTheirRangesAtTheGeneratorsLimits) {
    for (double v : {0.0, unit(32767)}) {
        replay_from({v});
        Light l{};
        scatter_light(l, replay);
        const bool low = v == 0.0;
        EXPECT_EQ(l.size, low ? 128 : 383);
        EXPECT_EQ(l.x, low ? 1 : 640);
        EXPECT_EQ(l.y, low ? 1 : 480);
        EXPECT_EQ(l.red, low ? 128 : 255);
        EXPECT_EQ(l.dx, low ? -3 : 2);
    }
}

TEST(Lights, MoveAddsTheVelocityAndZeroVelocityStaysPut) {
    Light l{};
    l.x = 100, l.y = 50, l.dx = 0, l.dy = -3, l.size = 128;
    step_light(l, false, replay);
    EXPECT_EQ(l.x, 100);
    EXPECT_EQ(l.y, 47);
    step_light(l, false, replay);
    EXPECT_EQ(l.y, 44);
}

TEST(Lights, BounceTestsTheCentreAgainstEachEdge) {
    struct Case {
        float x, y;
        int size;
        float dx, dy, want_dx, want_dy;
    };
    const Case cases[] = {
        {576, 100, 128, 2, 1, -2, 1},      // centre x exactly 640
        {575, 100, 128, 2, 1, 2, 1},       // centre x 639
        {100, 416, 128, 1, 2, 1, -2},      // centre y exactly 480
        {-64, 100, 128, -2, 1, 2, 1},      // centre x exactly 0
        {-63, 100, 128, -2, 1, -2, 1},     // centre x 1
        {100, -64, 128, 1, -2, 1, 2},      // centre y exactly 0
        {-64.5f, -64, 129, -1, -1, 1, -1}, // half a pixel: centre x 0, centre y 0.5
        {640, 480, 383, 1, 1, -1, -1},     // scattered in the far corner
    };
    for (const Case& c : cases) {
        Light l{};
        l.x = c.x, l.y = c.y, l.size = c.size, l.dx = c.dx, l.dy = c.dy;
        bounce_light(l);
        EXPECT_EQ(l.dx, c.want_dx) << c.x << "," << c.y;
        EXPECT_EQ(l.dy, c.want_dy) << c.x << "," << c.y;
    }
}

TEST(Lights, ALightBeyondTheEdgeJittersByItsVelocity) {
    Light l{};
    l.x = 640, l.y = 200, l.size = 383, l.dx = 2, l.dy = 0;
    std::vector<float> xs;
    for (int i = 0; i < 4; ++i) {
        step_light(l, false, replay);
        xs.push_back(l.x);
    }
    EXPECT_EQ(xs, (std::vector<float>{638, 640, 638, 640}));
}

TEST(Lights, RescatterComesAfterTheMoveAndReplacesEveryField) {
    replay_from({0.25, 0.75, 0.0, unit(32767), 0.5, 0.125, 0.5, 0.0, unit(32767)});
    Light l{};
    l.x = 10, l.y = 10, l.size = 128, l.dx = 1, l.dy = 1;
    step_light(l, true, replay);
    EXPECT_EQ(g_drawn, 9u);
    EXPECT_EQ(l.x, 161) << "the new position is not moved in the same frame";
    EXPECT_EQ(l.y, 361);
    EXPECT_EQ(l.size, 256);
    EXPECT_EQ(l.dx, -3);
    step_light(l, false, replay);
    EXPECT_EQ(g_drawn, 9u) << "no draw without the key";
    EXPECT_EQ(l.x, 158);
}

} // namespace
