// Circles and ellipses: every outline pixel within half a pixel of the true curve, outlines closed,
// 8-connected and symmetric, fills exactly the outline and what it encloses, arcs inside their
// angles, at every depth.
#include <cmath>
#include <numbers>
#include <random>

#include "draw_test_support.h"

namespace {

// The distance from (px, py) to the ellipse x^2/a^2 + y^2/b^2 = 1 (a, b > 0), by a coarse scan of
// the parameter and a golden-section search around the best sample.
double distance_to_ellipse(double px, double py, double a, double b) {
    auto d2 = [&](double t) {
        const double dx = a * std::cos(t) - px;
        const double dy = b * std::sin(t) - py;
        return dx * dx + dy * dy;
    };
    constexpr int SAMPLES = 360;
    const double step = 2 * std::numbers::pi / SAMPLES;
    int best = 0;
    for (int i = 1; i < SAMPLES; ++i) {
        if (d2(i * step) < d2(best * step)) {
            best = i;
        }
    }
    double lo = (best - 1) * step;
    double hi = (best + 1) * step;
    const double g = (std::sqrt(5.0) - 1) / 2;
    for (int i = 0; i < 60; ++i) {
        const double m1 = hi - g * (hi - lo);
        const double m2 = lo + g * (hi - lo);
        if (d2(m1) < d2(m2)) {
            hi = m2;
        } else {
            lo = m1;
        }
    }
    return std::sqrt(d2((lo + hi) / 2));
}

// The pixels of one circle call on a cleared work page.
PixelSet circle_pixels(float x, float y, float r, uint32_t c, float aspect = 0, int flags = 0,
                       float start = GFX_OMITTED, float end = GFX_OMITTED) {
    clear_work();
    EXPECT_EQ(gfx_circle(x, y, r, c, start, end, aspect, flags), 0);
    return work_pixels();
}

// The radii the operation uses for a radius and an aspect on a square-pixel screen.
void radii(double r, double aspect, double* a, double* b) {
    *a = aspect <= 1 ? r : r / aspect;
    *b = aspect <= 1 ? r * aspect : r;
}

// The outline plus every pixel it encloses: what a 4-connected walk from outside the outline's
// bounding box cannot reach.
PixelSet outline_and_inside(const PixelSet& outline) {
    int x0 = 1 << 30, y0 = 1 << 30, x1 = -(1 << 30), y1 = -(1 << 30);
    for (const auto& [x, y] : outline) {
        x0 = std::min(x0, x);
        y0 = std::min(y0, y);
        x1 = std::max(x1, x);
        y1 = std::max(y1, y);
    }
    const PixelSet outside =
        breadth_first_region(x0 - 1, y0 - 1, x0 - 1, y0 - 1, x1 + 1, y1 + 1, [&](int x, int y) {
            return !outline.count({x, y});
        });
    PixelSet result;
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            if (!outside.count({x, y})) {
                result.insert({x, y});
            }
        }
    }
    return result;
}

} // namespace

TEST_F(DrawTest, OutlinesLieWithinHalfAPixelAndAreClosedConnectedAndSymmetric) {
    ASSERT_TRUE(open_depth(8));
    std::mt19937 rng(11);
    std::uniform_real_distribution<float> radius(0.0f, 90.0f);
    std::uniform_real_distribution<float> aspects(0.1f, 3.0f);
    for (int i = 0; i < 60; ++i) {
        const float r = i < 12 ? static_cast<float>(i) * 0.5f : radius(rng);
        const float aspect = i % 3 == 0 ? 1.0f : aspects(rng);
        const PixelSet s = circle_pixels(160, 100, r, 5, aspect);
        double a = 0, b = 0;
        radii(r, aspect, &a, &b);
        ASSERT_FALSE(s.empty());
        for (const auto& [x, y] : s) {
            if (a > 0 && b > 0) {
                EXPECT_LE(distance_to_ellipse(x - 160, y - 100, a, b), 0.5 + 1e-9)
                    << "r " << r << " aspect " << aspect << " at " << x << "," << y;
            }
            EXPECT_TRUE(s.count({320 - x, y}) && s.count({x, 200 - y})) << r << " " << aspect;
        }
        EXPECT_TRUE(eight_connected(s)) << r << " " << aspect;
        // Closed: the centre cannot reach the outside without crossing the outline.
        if (std::min(a, b) >= 1.5) {
            const PixelSet inside =
                breadth_first_region(160, 100, 0, 0, 319, 199, [&](int x, int y) {
                    return !s.count({x, y});
                });
            EXPECT_FALSE(inside.empty());
            EXPECT_FALSE(inside.count({0, 0})) << "open outline r " << r << " aspect " << aspect;
        }
    }
}

TEST_F(DrawTest, FilledCirclesAreTheOutlineAndEverythingInside) {
    for (int depth : DRAW_DEPTHS) {
        ASSERT_TRUE(open_depth(depth));
        const uint32_t c = depth_colour(depth, 1);
        std::mt19937 rng(depth + 100);
        std::uniform_real_distribution<float> radius(0.0f, 60.0f);
        std::uniform_real_distribution<float> aspects(0.2f, 2.5f);
        for (int i = 0; i < 12; ++i) {
            const float r = radius(rng);
            const float aspect = i % 2 ? aspects(rng) : 1.0f;
            const PixelSet outline = circle_pixels(150, 95, r, c, aspect);
            const PixelSet filled = circle_pixels(150, 95, r, c, aspect, GFX_CIRCLE_FILLED);
            EXPECT_EQ(filled, outline_and_inside(outline))
                << depth << " r " << r << " aspect " << aspect;
            EXPECT_EQ(work_pixel(150, 95), stored_colour(c));
        }
    }
}

// Aspect 0 is the screen's own: round on square pixels, half as high where rows are shown twice.
TEST_F(DrawTest, AspectZeroFollowsHowTheScreenShowsItsRows) {
    ASSERT_TRUE(gfx_screen(2, 0, 1, SCREEN_NULL, 0) == 0); // 640 x 200, every row shown twice
    PixelSet s = circle_pixels(320, 100, 40, 1);
    int width = 0, height = 0;
    for (const auto& [x, y] : s) {
        width = std::max(width, std::abs(x - 320));
        height = std::max(height, std::abs(y - 100));
    }
    EXPECT_EQ(width, 40);
    EXPECT_EQ(height, 20);
    ASSERT_TRUE(open_depth(8));
    s = circle_pixels(160, 100, 40, 1);
    height = 0;
    for (const auto& [x, y] : s) {
        height = std::max(height, std::abs(y - 100));
    }
    EXPECT_EQ(height, 40);
}

// An arc keeps the outline's pixels between its angles (counter-clockwise, up is pi/2); negative
// angles add the radii to their ends.
TEST_F(DrawTest, ArcsKeepTheOutlineBetweenTheirAnglesAndNegativeAnglesAddRadii) {
    ASSERT_TRUE(open_depth(32));
    const uint32_t c = depth_colour(32);
    const PixelSet whole = circle_pixels(160, 100, 50, c, 1);
    const double pi = std::numbers::pi;
    const PixelSet upper_right =
        circle_pixels(160, 100, 50, c, 1, 0, 0.0f, static_cast<float>(pi / 2));
    EXPECT_FALSE(upper_right.empty());
    for (const auto& [x, y] : upper_right) {
        EXPECT_TRUE(whole.count({x, y}));
        EXPECT_GE(x, 160);
        EXPECT_LE(y, 100);
    }
    EXPECT_TRUE(upper_right.count({210, 100}));
    EXPECT_TRUE(upper_right.count({160, 50}));
    EXPECT_TRUE(eight_connected(upper_right));
    // From 3/4 turn to 1/4 turn counter-clockwise: the right half.
    const PixelSet right = circle_pixels(160, 100, 50, c, 1, 0, static_cast<float>(1.5 * pi),
                                         static_cast<float>(0.5 * pi));
    for (const auto& [x, y] : whole) {
        if (x != 160) { // the two ends lie on the arc's edges, where float angles decide
            EXPECT_EQ(right.count({x, y}) == 1, x > 160) << x << "," << y;
        }
    }
    // The pie's radii: both ends joined to the centre.
    const PixelSet pie =
        circle_pixels(160, 100, 50, c, 1, 0, -0.0001f, static_cast<float>(-pi / 2));
    EXPECT_TRUE(pie.count({160, 100}));
    for (int i = 0; i <= 50; ++i) {
        EXPECT_TRUE(pie.count({160 + i, 100})) << i;
        EXPECT_TRUE(pie.count({160, 100 - i})) << i;
    }
    EXPECT_TRUE(eight_connected(pie));
    // A filled arc is the pie: inside the filled circle and within the quarter.
    const PixelSet filled_whole = circle_pixels(160, 100, 50, c, 1, GFX_CIRCLE_FILLED);
    const PixelSet filled_quarter =
        circle_pixels(160, 100, 50, c, 1, GFX_CIRCLE_FILLED, 0.0f, static_cast<float>(pi / 2));
    size_t quarter = 0;
    for (const auto& [x, y] : filled_whole) {
        const bool in = x >= 160 && y <= 100;
        quarter += in;
        EXPECT_EQ(filled_quarter.count({x, y}) == 1, in) << x << "," << y;
    }
    EXPECT_EQ(filled_quarter.size(), quarter);
}

// The centre follows the step bit and becomes the last point.
TEST_F(DrawTest, TheCentreIsRelativeWithTheStepBitAndBecomesTheLastPoint) {
    ASSERT_TRUE(open_depth(8));
    clear_work();
    ASSERT_EQ(gfx_pset(100, 50, 1, 0), 0);
    ASSERT_EQ(gfx_circle(10, 20, 5, 2, GFX_OMITTED, GFX_OMITTED, 1, GFX_STEP_FIRST), 0);
    EXPECT_EQ(work_pixel(115, 70), 2u);
    EXPECT_EQ(work_pixel(105, 70), 2u);
    EXPECT_EQ(gfx_context->last_x, 110.0f);
    EXPECT_EQ(gfx_context->last_y, 70.0f);
    EXPECT_EQ(gfx_circle(10, 20, 5, 2, GFX_OMITTED, GFX_OMITTED, -1, 0), 1);
    EXPECT_EQ(gfx_circle(10, 20, 5, 2, GFX_OMITTED, GFX_OMITTED, 1, GFX_STEP_SECOND), 1);
}
