// Lines and boxes: pixel count, ends, connectivity, closeness to the true line, the same pixels in
// both directions, the style pattern, and boxes exactly where their corners say, at every depth.
#include <cmath>
#include <random>

#include "draw_test_support.h"

namespace {

// The pixels of the line from (x1, y1) to (x2, y2) in colour c on a cleared work page.
PixelSet line_pixels(int x1, int y1, int x2, int y2, uint32_t c, uint16_t style = GFX_STYLE_SOLID) {
    clear_work();
    EXPECT_EQ(gfx_line(static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2),
                       static_cast<float>(y2), c, GFX_LINE, style, 0),
              0);
    return work_pixels();
}

// Checks the properties every solid line has, against the ends it was given.
void expect_line_shape(const PixelSet& s, int x1, int y1, int x2, int y2) {
    const int dx = x2 - x1;
    const int dy = y2 - y1;
    const int n = std::max(std::abs(dx), std::abs(dy));
    EXPECT_EQ(s.size(), static_cast<size_t>(n + 1)) << x1 << "," << y1 << " " << x2 << "," << y2;
    EXPECT_TRUE(s.count({x1, y1}));
    EXPECT_TRUE(s.count({x2, y2}));
    EXPECT_TRUE(eight_connected(s));
    // One pixel per step of the major axis, within half a pixel of the true line on the minor one.
    for (const auto& [x, y] : s) {
        if (n == 0) {
            EXPECT_EQ(x, x1);
        } else if (std::abs(dx) >= std::abs(dy)) {
            const double exact = y1 + static_cast<double>(x - x1) * dy / dx;
            EXPECT_LE(std::fabs(y - exact), 0.5) << x << "," << y;
        } else {
            const double exact = x1 + static_cast<double>(y - y1) * dx / dy;
            EXPECT_LE(std::fabs(x - exact), 0.5) << x << "," << y;
        }
    }
}

} // namespace

TEST_F(DrawTest, LinesHaveTheirEndsTheirCountAndNoGapsAtEveryDepth) {
    for (int depth : DRAW_DEPTHS) {
        ASSERT_TRUE(open_depth(depth)) << depth;
        const uint32_t c = depth_colour(depth);
        std::mt19937 rng(depth);
        std::uniform_int_distribution<int> xs(0, 319);
        std::uniform_int_distribution<int> ys(0, 199);
        for (int i = 0; i < 60; ++i) {
            const int x1 = xs(rng), y1 = ys(rng), x2 = xs(rng), y2 = ys(rng);
            const PixelSet forward = line_pixels(x1, y1, x2, y2, c);
            expect_line_shape(forward, x1, y1, x2, y2);
            EXPECT_EQ(line_pixels(x2, y2, x1, y1, c), forward) << "reversed " << x1 << "," << y1;
            EXPECT_EQ(work_pixel(x1, y1), stored_colour(c));
        }
        // Horizontal, vertical, diagonal and single-pixel lines.
        expect_line_shape(line_pixels(5, 7, 60, 7, c), 5, 7, 60, 7);
        expect_line_shape(line_pixels(9, 3, 9, 150, c), 9, 3, 9, 150);
        expect_line_shape(line_pixels(100, 100, 10, 10, c), 100, 100, 10, 10);
        expect_line_shape(line_pixels(40, 50, 40, 50, c), 40, 50, 40, 50);
    }
}

// Drawing a line again in the background colour, from the other end, leaves the page clear.
TEST_F(DrawTest, ALineDrawnBackwardsInTheBackgroundErasesIt) {
    ASSERT_TRUE(open_depth(8));
    clear_work();
    std::mt19937 rng(5);
    std::uniform_int_distribution<int> xs(-50, 370);
    for (int i = 0; i < 40; ++i) {
        const auto x1 = static_cast<float>(xs(rng)), y1 = static_cast<float>(xs(rng));
        const auto x2 = static_cast<float>(xs(rng)), y2 = static_cast<float>(xs(rng));
        ASSERT_EQ(gfx_line(x1, y1, x2, y2, 7, GFX_LINE, GFX_STYLE_SOLID, 0), 0);
        ASSERT_EQ(gfx_line(x2, y2, x1, y1, 0, GFX_LINE, GFX_STYLE_SOLID, 0), 0);
        EXPECT_TRUE(work_pixels().empty()) << i;
    }
}

// The style runs from the first point, bit 15 first, whichever way the line goes.
TEST_F(DrawTest, TheStylePatternRunsFromTheFirstPoint) {
    for (int depth : DRAW_DEPTHS) {
        ASSERT_TRUE(open_depth(depth));
        const uint32_t c = depth_colour(depth);
        const uint16_t style = 0xF0C8;
        const PixelSet right = line_pixels(10, 20, 60, 20, c, style);
        const PixelSet left = line_pixels(60, 30, 10, 30, c, style);
        const PixelSet down = line_pixels(100, 5, 115, 80, c, style); // steep: one pixel per row
        for (int i = 0; i <= 50; ++i) {
            const bool on = (style >> (15 - i % 16)) & 1;
            EXPECT_EQ(right.count({10 + i, 20}), on ? 1u : 0u) << depth << " " << i;
            EXPECT_EQ(left.count({60 - i, 30}), on ? 1u : 0u) << depth << " " << i;
        }
        const PixelSet solid = line_pixels(100, 5, 115, 80, c);
        for (const auto& [x, y] : solid) {
            const bool on = (style >> (15 - (y - 5) % 16)) & 1;
            EXPECT_EQ(down.count({x, y}), on ? 1u : 0u) << x << "," << y;
        }
    }
}

// Outlined and filled boxes cover exactly the rectangle's edge or the rectangle, corners in any
// order, at every depth; the second point becomes the last point.
TEST_F(DrawTest, BoxesCoverExactlyTheirEdgesOrTheirInside) {
    for (int depth : DRAW_DEPTHS) {
        ASSERT_TRUE(open_depth(depth));
        const uint32_t c = depth_colour(depth, 3);
        clear_work();
        ASSERT_EQ(gfx_line(50, 40, 12, 7, c, GFX_BOX, GFX_STYLE_SOLID, 0), 0);
        PixelSet expected;
        for (int y = 7; y <= 40; ++y) {
            for (int x = 12; x <= 50; ++x) {
                if (x == 12 || x == 50 || y == 7 || y == 40) {
                    expected.insert({x, y});
                }
            }
        }
        EXPECT_EQ(work_pixels(), expected) << depth;
        EXPECT_EQ(gfx_context->last_x, 12.0f);
        EXPECT_EQ(gfx_context->last_y, 7.0f);
        clear_work();
        ASSERT_EQ(gfx_line(12, 40, 50, 7, c, GFX_BOX_FILLED, 0x1234, 0), 0);
        expected.clear();
        for (int y = 7; y <= 40; ++y) {
            for (int x = 12; x <= 50; ++x) {
                expected.insert({x, y});
                EXPECT_EQ(work_pixel(x, y), stored_colour(c));
            }
        }
        EXPECT_EQ(work_pixels(), expected) << depth;
    }
}

// The step bits: the first point relative to the last point, the second to the first; an omitted
// start continues from the last point.
TEST_F(DrawTest, StepBitsAndAnOmittedStartFollowTheLastPoint) {
    ASSERT_TRUE(open_depth(8));
    clear_work();
    ASSERT_EQ(gfx_pset(10, 10, 3, 0), 0);
    ASSERT_EQ(gfx_line(5, 0, 20, 5, 3, GFX_LINE, GFX_STYLE_SOLID, GFX_STEP_FIRST | GFX_STEP_SECOND),
              0);
    // (15, 10) to (35, 15)
    EXPECT_EQ(work_pixel(15, 10), 3u);
    EXPECT_EQ(work_pixel(35, 15), 3u);
    EXPECT_EQ(gfx_context->last_x, 35.0f);
    ASSERT_EQ(
        gfx_line(GFX_OMITTED, GFX_OMITTED, 35, 40, 4, GFX_LINE, GFX_STYLE_SOLID, GFX_STEP_FIRST),
        0);
    EXPECT_EQ(work_pixel(35, 16), 4u);
    EXPECT_EQ(work_pixel(35, 40), 4u);
    ASSERT_EQ(gfx_line(0, 0, 3, 0, 5, GFX_LINE, GFX_STYLE_SOLID, GFX_STEP_SECOND), 0);
    EXPECT_EQ(work_pixel(3, 0), 5u);
    EXPECT_EQ(work_pixel(4, 0), 0u);
}

// The omitted colour is the foreground; colours are masked to palette depths.
TEST_F(DrawTest, ColourMarkersAndMasking) {
    ASSERT_TRUE(open_depth(4));
    clear_work();
    ASSERT_EQ(gfx_pset(1, 1, GFX_COLOUR_OMITTED, 0), 0);
    EXPECT_EQ(work_pixel(1, 1), gfx_context->fg_colour);
    ASSERT_EQ(gfx_pset(2, 1, 0x123, 0), 0);
    EXPECT_EQ(work_pixel(2, 1), 0x3u);
    ASSERT_TRUE(open_depth(32));
    clear_work();
    ASSERT_EQ(gfx_pset(1, 1, 0xFF102030u, 0), 0);
    EXPECT_EQ(work_pixel(1, 1), 0xFF102030u);
    ASSERT_TRUE(open_depth(16));
    clear_work();
    ASSERT_EQ(gfx_line(0, 0, 5, 0, 0x00FF8040u, GFX_LINE, GFX_STYLE_SOLID, 0), 0);
    EXPECT_EQ(work_pixel(5, 0), 0xFC08u);
}
