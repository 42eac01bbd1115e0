// Flood fill against a plain breadth-first fill, on random obstacles at every depth, in a view,
// with the border colour given or left out, and on a 1280 x 1024 spiral whose corridor is a
// million pixels long.
#include <climits>
#include <random>

#include "draw_test_support.h"

namespace {

// Scatters obstacles: boxes and lines in the border colour and a few in the fill colour, which
// the fill passes through when the border differs.
void scatter(int depth, uint32_t border, uint32_t fill, unsigned seed) {
    std::mt19937 rng(seed);
    std::uniform_real_distribution<float> xs(-20, 340);
    std::uniform_real_distribution<float> ys(-20, 220);
    for (int i = 0; i < 60; ++i) {
        const uint32_t c = i % 10 == 0 ? fill : border;
        const float x = xs(rng), y = ys(rng);
        if (i % 2) {
            gfx_line(x, y, x + xs(rng) / 8, y + ys(rng) / 8, c, GFX_BOX_FILLED, 0, 0);
        } else {
            gfx_line(x, y, xs(rng), ys(rng), c, GFX_LINE, GFX_STYLE_SOLID, 0);
        }
    }
    (void)depth;
}

// The region a plain breadth-first fill from (sx, sy) reaches through pixels not of the border
// colour, inside the view (x0, y0)-(x1, y1).
PixelSet reference_region(int sx, int sy, uint32_t border_stored, int x0, int y0, int x1, int y1) {
    return breadth_first_region(sx, sy, x0, y0, x1, y1,
                                [&](int x, int y) { return work_pixel(x, y) != border_stored; });
}

// Fills from (sx, sy) and expects exactly the reference region to change to the fill colour.
void expect_fill_matches(int sx, int sy, uint32_t fill, uint32_t border, int x0, int y0, int x1,
                         int y1) {
    const uint32_t border_stored = stored_colour(border == GFX_COLOUR_OMITTED ? fill : border);
    const PixelSet region = reference_region(sx, sy, border_stored, x0, y0, x1, y1);
    const std::vector<uint8_t> before = work_copy();
    ASSERT_EQ(gfx_paint(static_cast<float>(sx), static_cast<float>(sy), fill, border, 0), 0);
    const GfxContext* ctx = gfx_context;
    int wrong = 0;
    for (int y = 0; y < ctx->height; ++y) {
        for (int x = 0; x < ctx->width; ++x) {
            const uint32_t old =
                buffer_pixel(before.data(), ctx->pitch, ctx->bytes_per_pixel, x, y);
            const uint32_t expected = region.count({x, y}) ? stored_colour(fill) : old;
            wrong += work_pixel(x, y) != expected;
        }
    }
    EXPECT_EQ(wrong, 0) << "depth " << ctx->depth << " seed " << sx << "," << sy << " region "
                        << region.size();
}

} // namespace

TEST_F(DrawTest, FloodFillEqualsABreadthFirstFill) {
    for (int depth : DRAW_DEPTHS) {
        ASSERT_TRUE(open_depth(depth));
        const uint32_t border = depth_colour(depth, 0);
        const uint32_t fill = depth == 1 ? 0 : depth_colour(depth, 1);
        for (unsigned seed = 0; seed < 4; ++seed) {
            clear_work();
            if (depth == 1) {
                // Two colours only: fill with the border colour over a background of 0.
                scatter(depth, border, border, seed);
                expect_fill_matches(160, 100, border, GFX_COLOUR_OMITTED, 0, 0, 639, 479);
                continue;
            }
            scatter(depth, border, fill, seed);
            expect_fill_matches(160 + static_cast<int>(seed), 100, fill, border, 0, 0, 319, 199);
            // Again with the border left out: the fill colour bounds the region.
            expect_fill_matches(5, 190, border, GFX_COLOUR_OMITTED, 0, 0, 319, 199);
        }
        // Inside a view, which bounds the fill as a border would.
        clear_work();
        scatter(depth, border, border, 9);
        gfx_view(40, 30, 200, 150, GFX_COLOUR_OMITTED, GFX_COLOUR_OMITTED, 1);
        if (work_pixel(120, 90) != stored_colour(border)) {
            expect_fill_matches(120, 90, depth == 1 ? 1 : fill, border, 40, 30, 200, 150);
        }
        // A seed on the border or outside the view fills nothing.
        const std::vector<uint8_t> before = work_copy();
        EXPECT_EQ(gfx_paint(10, 10, fill, border, 0), 0);
        gfx_view(INT_MIN, INT_MIN, INT_MIN, INT_MIN, GFX_COLOUR_OMITTED, GFX_COLOUR_OMITTED, 0);
        gfx_pset(3, 3, border, 0);
        EXPECT_EQ(gfx_paint(3, 3, fill, border, 0), 0);
        gfx_pset(3, 3, 0, 0);
        EXPECT_EQ(work_copy(), before);
    }
}

// A spiral corridor one pixel wide winding over a 1280 x 1024 screen: a recursive fill would go a
// million calls deep. The fill reaches all of it and nothing else.
TEST_F(DrawTest, FloodFillWindsThroughA1280x1024SpiralWithoutRecursion) {
    ASSERT_EQ(gfx_screen(21, 0, 1, SCREEN_NULL, 0), 0);
    clear_work();
    const uint32_t wall = 15;
    // Walls on every even ring of a square spiral, leaving one-pixel corridors between them.
    int x0 = 0, y0 = 0, x1 = 1279, y1 = 1023;
    int side = 0;
    while (x0 + 2 <= x1 && y0 + 2 <= y1) {
        switch (side % 4) {
        case 0:
            gfx_line(static_cast<float>(x0), static_cast<float>(y0), static_cast<float>(x1),
                     static_cast<float>(y0), wall, GFX_LINE, GFX_STYLE_SOLID, 0);
            y0 += 2;
            break;
        case 1:
            gfx_line(static_cast<float>(x1), static_cast<float>(y0 - 2), static_cast<float>(x1),
                     static_cast<float>(y1), wall, GFX_LINE, GFX_STYLE_SOLID, 0);
            x1 -= 2;
            break;
        case 2:
            gfx_line(static_cast<float>(x1 + 2), static_cast<float>(y1), static_cast<float>(x0),
                     static_cast<float>(y1), wall, GFX_LINE, GFX_STYLE_SOLID, 0);
            y1 -= 2;
            break;
        default:
            gfx_line(static_cast<float>(x0), static_cast<float>(y1 + 2), static_cast<float>(x0),
                     static_cast<float>(y0), wall, GFX_LINE, GFX_STYLE_SOLID, 0);
            x0 += 2;
            break;
        }
        ++side;
    }
    const PixelSet region = reference_region(1, 1, wall, 0, 0, 1279, 1023);
    EXPECT_GT(region.size(), 500000u);
    ASSERT_EQ(gfx_paint(1, 1, 9, wall, 0), 0);
    size_t filled = 0;
    int wrong = 0;
    for (int y = 0; y < 1024; ++y) {
        for (int x = 0; x < 1280; ++x) {
            const uint32_t v = work_pixel(x, y);
            filled += v == 9;
            wrong += (v == 9) != (region.count({x, y}) == 1);
        }
    }
    EXPECT_EQ(filled, region.size());
    EXPECT_EQ(wrong, 0);
}
