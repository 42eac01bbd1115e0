// The scale setting of software screens and its arithmetic: automatic choice, fitting, mapping
// the pointer back, and the setting as programs change it.
#include <gtest/gtest.h>

#include <cmath>

#include "gfx/core/context.h"
#include "gfx/core/window_scale.h"
#include "input_test_screen.h"
#include "rt/rt.h"

namespace {

// The automatic scale worked out plainly: the rounded ratio in floating point, clamped, then the
// largest scale not above it whose framed window fits.
int reference_auto_scale(int dpi, int w, int h, int fw, int fh, int aw, int ah) {
    int wanted = static_cast<int>(std::lround(dpi / 96.0 + 1e-9));
    wanted = std::max(1, std::min(GFX_SCALE_MAX, wanted));
    for (int s = wanted; s > 1; --s) {
        if (w * s + fw <= aw && h * s + fh <= ah) {
            return s;
        }
    }
    return 1;
}

TEST(WindowScaleArithmetic, AutomaticScaleFollowsTheDpiAndFitsTheWorkArea) {
    EXPECT_EQ(1, gfx_auto_scale(96, 320, 200, 8, 31, 1024, 738)) << "96 DPI is the Parts' picture";
    EXPECT_EQ(2, gfx_auto_scale(192, 320, 200, 8, 31, 1024, 738));
    EXPECT_EQ(2, gfx_auto_scale(144, 320, 200, 8, 31, 1920, 1040)) << "1.5 rounds up";
    EXPECT_EQ(1, gfx_auto_scale(120, 320, 200, 8, 31, 1920, 1040)) << "1.25 rounds down";
    EXPECT_EQ(2, gfx_auto_scale(288, 640, 480, 8, 31, 1920, 1040)) << "3 would not fit";
    EXPECT_EQ(8, gfx_auto_scale(96 * 20, 16, 16, 0, 0, 100000, 100000)) << "never above 8";
    EXPECT_EQ(1, gfx_auto_scale(0, 320, 200, 0, 0, 1024, 768)) << "a missing DPI is 1";
    EXPECT_EQ(1, gfx_auto_scale(384, 2000, 2000, 8, 31, 1024, 768)) << "too large even at 1";
    for (int dpi = 48; dpi <= 960; dpi += 12) {
        for (int area = 600; area <= 4000; area += 350) {
            ASSERT_EQ(reference_auto_scale(dpi, 320, 200, 16, 39, area, area * 9 / 16),
                      gfx_auto_scale(dpi, 320, 200, 16, 39, area, area * 9 / 16))
                << dpi << " DPI in " << area;
        }
    }
}

TEST(WindowScaleArithmetic, FitScaleIsTheLargestWholeScaleThatFits) {
    EXPECT_EQ(3, gfx_fit_scale(320, 200, 1024, 768)) << "mode 13 on 1024 x 768";
    EXPECT_EQ(32, (1024 - 320 * 3) / 2);
    EXPECT_EQ(84, (768 - 200 * 3) / 2);
    EXPECT_EQ(1, gfx_fit_scale(1280, 1024, 1024, 768)) << "larger than the display";
    EXPECT_EQ(1, gfx_fit_scale(0, 200, 1024, 768));
    for (int w = 100; w <= 1300; w += 37) {
        for (int h = 90; h <= 1100; h += 53) {
            int best = 1;
            while (w * (best + 1) <= 1920 && h * (best + 1) <= 1080) {
                ++best;
            }
            ASSERT_EQ(best, gfx_fit_scale(w, h, 1920, 1080)) << w << " x " << h;
        }
    }
}

TEST(WindowScaleArithmetic, UnscaleMapsEveryDisplayPixelOfABlockToItsFramebufferPixel) {
    for (int scale = 1; scale <= GFX_SCALE_MAX; ++scale) {
        for (int origin : {0, 32, 84}) {
            for (int p = origin - 3 * scale; p < origin + 5 * scale; ++p) {
                const int expected =
                    static_cast<int>(std::floor(static_cast<double>(p - origin) / scale));
                ASSERT_EQ(expected, gfx_unscale(p, origin, scale))
                    << p << " at scale " << scale << " from " << origin;
            }
        }
    }
    EXPECT_EQ(-1, gfx_unscale(31, 32, 3)) << "left of the picture is outside it";
    EXPECT_EQ(7, gfx_unscale(7, 0, 0)) << "no scale yet counts as 1";
}

// Counts the driver's apply_scale calls and the setting it saw.
int applied_calls = 0;
int applied_setting = -5;
void test_apply_scale() {
    ++applied_calls;
    applied_setting = gfx_scale_setting();
}

const GfxDriver SCALING_DRIVER = {.name = "TestScale",
                                  .lock = test_lock,
                                  .unlock = test_unlock,
                                  .set_palette = test_set_palette,
                                  .apply_scale = test_apply_scale};

class WindowScaleSetting : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = gfx_window_scale(0);
        applied_calls = 0;
        rt_set_error(0);
    }
    void TearDown() override { gfx_window_scale(saved_); }
    int saved_ = 0;
};

TEST_F(WindowScaleSetting, ReturnsTheSettingBeforeAndMinusOneOnlyAsks) {
    EXPECT_EQ(0, gfx_window_scale(3));
    EXPECT_EQ(3, gfx_window_scale(-1));
    EXPECT_EQ(3, gfx_scale_setting());
    EXPECT_EQ(3, gfx_window_scale(8));
    EXPECT_EQ(8, gfx_window_scale(0));
    EXPECT_EQ(0, gfx_scale_setting());
    EXPECT_EQ(0, rt_last_error());
}

TEST_F(WindowScaleSetting, RefusesFactorsOutsideTheRangeAndKeepsTheSetting) {
    gfx_window_scale(2);
    for (int bad : {-2, 9, 100, -1000}) {
        rt_set_error(0);
        EXPECT_EQ(2, gfx_window_scale(bad)) << bad;
        EXPECT_EQ(RT_ERR_ILLEGAL_CALL, rt_last_error()) << bad;
        EXPECT_EQ(2, gfx_scale_setting()) << bad;
    }
}

TEST_F(WindowScaleSetting, AChangeReachesTheOpenScreensDriverOnceAndAQueryNever) {
    TestScreen screen(8, 4, 1, 1, &SCALING_DRIVER);
    gfx_window_scale(2);
    EXPECT_EQ(1, applied_calls);
    EXPECT_EQ(2, applied_setting) << "the driver sees the new setting";
    gfx_window_scale(2);
    gfx_window_scale(-1);
    gfx_window_scale(42);
    EXPECT_EQ(1, applied_calls) << "the same setting, a query and a refusal change nothing";
    gfx_window_scale(0);
    EXPECT_EQ(2, applied_calls);
}

TEST_F(WindowScaleSetting, WithoutTheSlotOrAScreenTheSettingIsOnlyKept) {
    {
        TestScreen screen(8, 4, 1, 1, &TEST_SOFTWARE_DRIVER);
        EXPECT_EQ(0, gfx_window_scale(4));
    }
    EXPECT_EQ(4, gfx_window_scale(5));
    EXPECT_EQ(0, applied_calls);
    EXPECT_EQ(5, gfx_scale_setting());
}

} // namespace
