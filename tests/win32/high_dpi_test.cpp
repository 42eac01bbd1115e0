// Screens on a display of more than 96 DPI (a prefix of its own with LogPixels set, see
// tools/run-on-xvfb.sh): the automatic scale of a software screen follows the DPI, the picture
// stays exact, and an OpenGL window keeps the size it asked for.
#include "dx_test_support.h"

#include "gfx/core/window_scale.h"
#include "gfx/drivers/gdi_driver.h"

namespace {

// The DPI the test's prefix was given, from QZ_WINE_DPI; 0 when the variable is missing.
int prefix_dpi() {
    const char* text = std::getenv("QZ_WINE_DPI");
    return text ? std::atoi(text) : 0;
}

class HighDpi : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        ASSERT_EQ(nullptr, gfx_context);
        ASSERT_GT(prefix_dpi(), 96) << "run by the win32_tests_high_dpi test with QZ_WINE_DPI";
        _putenv((std::string("QZGFX=") + GetParam()).c_str());
        saved_ = gfx_window_scale(0);
        set_test_title("qzgfx high dpi");
    }
    void TearDown() override {
        gfx_screen(0, 0, 0, 0, 0);
        gfx_window_scale(saved_);
        _putenv("QZGFX=");
    }
    int saved_ = 0;
};

TEST_P(HighDpi, TheAutomaticScaleIsTheDpiOver96AndThePictureStaysExact) {
    ASSERT_EQ(0, gfx_screen(13, 0, 0, 0, 0));
    ASSERT_STREQ(GetParam(), gfx_context->driver->name);
    const int expected = (prefix_dpi() + 48) / 96;
    EXPECT_EQ(expected, win32_window.scale);
    EXPECT_EQ(320 * expected, client_size(win32_window.hwnd).cx);
    EXPECT_EQ(200 * expected, client_size(win32_window.hwnd).cy);
    draw_pattern(0xD91);
    expect_screen_shows_framebuffer("mode 13 at the automatic scale");
}

TEST_P(HighDpi, AFixedScaleOverridesTheDpi) {
    gfx_window_scale(1);
    ASSERT_EQ(0, gfx_screen_res(320, 240, 32, 0, 0, 0));
    EXPECT_EQ(1, win32_window.scale);
    EXPECT_EQ(320, client_size(win32_window.hwnd).cx) << "an aware window is not stretched";
    EXPECT_EQ(240, client_size(win32_window.hwnd).cy);
    draw_pattern(0x320);
    expect_screen_shows_framebuffer("320 x 240 at scale 1");
}

INSTANTIATE_TEST_SUITE_P(BothDrivers, HighDpi, ::testing::Values("DirectX", "GDI"));

TEST(HighDpiOpenGl, TheDemosWindowKeepsItsSize) {
    ASSERT_GT(prefix_dpi(), 96);
    set_test_title("qzgfx high dpi gl");
    ASSERT_EQ(0, gfx_screen_res(640, 480, 32, 0, SCREEN_OPENGL, 0));
    EXPECT_EQ(640, client_size(win32_window.hwnd).cx);
    EXPECT_EQ(480, client_size(win32_window.hwnd).cy);
    gfx_screen(0, 0, 0, 0, 0);
}

} // namespace
