// gfx_point reads back what gfx_pset wrote, 16-bit pixels widened; window coordinates place the
// corners of the window on the corners of the view; text draws only its set pixels.
#include "draw_test_support.h"
#include "gfx/core/builtin_data.h"

TEST_F(DrawTest, PointReadsBackWhatPsetWroteAtEveryDepth) {
    for (int depth : DRAW_DEPTHS) {
        ASSERT_TRUE(open_depth(depth));
        for (int k = 0; k < 20; ++k) {
            const uint32_t c = depth_colour(depth, k);
            ASSERT_EQ(gfx_pset(static_cast<float>(k), 7, c, 0), 0);
            uint32_t read = 0;
            ASSERT_EQ(gfx_point(static_cast<float>(k), 7, &read), 0);
            if (depth == 16) {
                // Widened by repeating the top bits; writing it back stores the same pixel.
                const uint32_t pixel = work_pixel(k, 7);
                EXPECT_EQ((read >> 16) >> 3, pixel >> 11);
                EXPECT_EQ((read >> 16) & 7, (pixel >> 13) & 7);
                EXPECT_EQ(((read >> 8) & 0xFF) >> 2, (pixel >> 5) & 0x3F);
                EXPECT_EQ((read >> 8) & 3, (pixel >> 9) & 3);
                EXPECT_EQ((read & 0xFF) >> 3, pixel & 0x1F);
                ASSERT_EQ(gfx_pset(static_cast<float>(k), 8, read, 0), 0);
                EXPECT_EQ(work_pixel(k, 8), pixel);
            } else {
                EXPECT_EQ(read, stored_colour(c)) << depth << " " << k;
            }
        }
    }
    uint32_t read = 0;
    ASSERT_TRUE(open_depth(16));
    ASSERT_EQ(gfx_pset(0, 0, 0x00FFFFFF, 0), 0);
    ASSERT_EQ(gfx_point(0, 0, &read), 0);
    EXPECT_EQ(read, 0x00FFFFFFu);
    ASSERT_EQ(gfx_pset(0, 0, 0x00FF8040, 0), 0);
    ASSERT_EQ(gfx_point(0, 0, &read), 0);
    EXPECT_EQ(read, 0x00FF8242u);
    EXPECT_EQ(gfx_point(320, 0, &read), 1);
    EXPECT_EQ(gfx_point(0, -1, &read), 1);
    EXPECT_EQ(gfx_point(0, 0, nullptr), 1);
    gfx_view(10, 10, 20, 20, GFX_COLOUR_OMITTED, GFX_COLOUR_OMITTED, 1);
    EXPECT_EQ(gfx_point(0, 0, &read), 1);
    EXPECT_EQ(gfx_point(10, 10, &read), 0);
}

TEST_F(DrawTest, WindowCoordinatesPutTheWindowsCornersOnTheViewsCorners) {
    ASSERT_TRUE(open_depth(8));
    clear_work();
    ASSERT_EQ(gfx_window_coords(-1, -1, 1, 1, 0), 0);
    ASSERT_EQ(gfx_pset(-1, -1, 1, 0), 0);
    ASSERT_EQ(gfx_pset(1, 1, 2, 0), 0);
    ASSERT_EQ(gfx_pset(0.5f, 0.5f, 3, 0), 0);
    EXPECT_EQ(work_pixel(0, 199), 1u);
    EXPECT_EQ(work_pixel(319, 0), 2u);
    EXPECT_EQ(work_pixel(239, 50), 3u); // 1.5 / 2 of 319 and of 199, rounded, y counted upward
    // A radius scales like x: 2 units span 319 pixels, so 0.25 units are 39.9 pixels.
    clear_work();
    ASSERT_EQ(gfx_circle(0.5f, 0.5f, 0.25f, 4, GFX_OMITTED, GFX_OMITTED, 1, 0), 0);
    EXPECT_EQ(work_pixel(239 + 40, 50), 4u);
    EXPECT_EQ(work_pixel(239, 50 - 40), 4u);
    // Screen orientation: y grows downward; corners in any order.
    ASSERT_EQ(gfx_window_coords(10, 10, 0, 0, 1), 0);
    clear_work();
    ASSERT_EQ(gfx_pset(0, 0, 5, 0), 0);
    ASSERT_EQ(gfx_pset(10, 10, 6, 0), 0);
    EXPECT_EQ(work_pixel(0, 0), 5u);
    EXPECT_EQ(work_pixel(319, 199), 6u);
    EXPECT_EQ(gfx_window_coords(0, 0, 0, 10, 0), 1);
    EXPECT_EQ(gfx_window_coords(0, 5, 10, 5, 0), 1);
    ASSERT_EQ(gfx_window_coords(GFX_OMITTED, GFX_OMITTED, GFX_OMITTED, GFX_OMITTED, 0), 0);
    clear_work();
    ASSERT_EQ(gfx_pset(3, 4, 7, 0), 0);
    EXPECT_EQ(work_pixel(3, 4), 7u);
}

// Text lands with its top-left corner at the point, only the glyphs' set pixels drawn, in any of
// the three fonts, over a background that stays as it was.
TEST_F(DrawTest, TextDrawsTheGlyphsSetPixelsOnly) {
    for (int depth : DRAW_DEPTHS) {
        ASSERT_TRUE(open_depth(depth));
        const uint32_t c = depth_colour(depth, 2);
        const uint32_t background = depth == 1 ? 0 : depth_colour(depth, 5);
        for (int font : {8, 14, 16, 0}) {
            const FontInfo* f = font == 8    ? &FONT_8X8
                                : font == 14 ? &FONT_8X14
                                : font == 16 ? &FONT_8X16
                                             : gfx_context->font;
            clear_work();
            gfx_line(0, 0, 319, 199, background, GFX_BOX_FILLED, 0, 0);
            const char text[] = "Ag@\x01";
            ASSERT_EQ(gfx_draw_text(13, 21, text, 4, c, font), 0);
            int wrong = 0;
            for (int y = 0; y < 200; ++y) {
                for (int x = 0; x < 320; ++x) {
                    bool set = false;
                    const int cx = x - 13, cy = y - 21;
                    if (cx >= 0 && cx < 32 && cy >= 0 && cy < f->height) {
                        const auto code = static_cast<uint8_t>(text[cx / 8]);
                        set = (f->glyphs[code * f->height + cy] >> (cx % 8)) & 1;
                    }
                    wrong += work_pixel(x, y) != stored_colour(set ? c : background);
                }
            }
            EXPECT_EQ(wrong, 0) << depth << " font " << font;
        }
    }
}
