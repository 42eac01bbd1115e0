// Software screens at a whole-number scale, read back from the X display: every depth shows each
// framebuffer pixel as an exact block on both drivers, a palette change and a change of scale
// show at once, and the mouse speaks in framebuffer pixels.
#include "dx_test_support.h"

#include "gfx/core/palette.h"
#include "gfx/core/window_scale.h"
#include "gfx/drivers/gdi_driver.h"

namespace {

// A driver by the name QZGFX asks for, and a scale.
struct ScaledCase {
    const char* driver;
    int scale;
};

// Prints a case as its driver and scale, for the test's name.
std::string case_name(const ::testing::TestParamInfo<ScaledCase>& info) {
    return std::string(info.param.driver) + "_x" + std::to_string(info.param.scale);
}

// A screen of the cases: a numbered mode, or a size and depth.
struct ScaledScreenKind {
    const char* what;
    int mode;
    int width, height, depth;
};

// Every framebuffer depth: 4 bits (mode 7), 8 bits (mode 13), and sized 16- and 32-bit screens.
constexpr ScaledScreenKind SCREEN_KINDS[] = {
    {"mode 7", 7, 0, 0, 0},
    {"mode 13", 13, 0, 0, 0},
    {"96 x 60 x 16", 0, 96, 60, 16},
    {"100 x 64 x 32", 0, 100, 64, 32},
};

// Each test asks for its driver by name and sets its scale; it ends with no screen open and the
// setting it found.
class ScaledScreen : public ::testing::TestWithParam<ScaledCase> {
protected:
    void SetUp() override {
        ASSERT_EQ(nullptr, gfx_context) << "no screen may be open";
        _putenv((std::string("QZGFX=") + GetParam().driver).c_str());
        saved_ = gfx_window_scale(GetParam().scale);
        set_test_title("qzgfx scaled");
    }
    void TearDown() override {
        gfx_screen(0, 0, 0, 0, 0);
        gfx_window_scale(saved_);
        _putenv("QZGFX=");
    }

    // Opens a screen of `kind` on the case's driver.
    static ::testing::AssertionResult open(const ScaledScreenKind& kind) {
        const int failed = kind.mode ? gfx_screen(kind.mode, 0, 0, 0, 0)
                                     : gfx_screen_res(kind.width, kind.height, kind.depth, 0, 0, 0);
        if (failed || !gfx_context) {
            return ::testing::AssertionFailure() << kind.what << " did not open";
        }
        if (std::strcmp(gfx_context->driver->name, GetParam().driver) != 0) {
            return ::testing::AssertionFailure()
                   << kind.what << " opened on " << gfx_context->driver->name;
        }
        return ::testing::AssertionSuccess();
    }

    // Whether the client area is the framebuffer's size times the case's scale.
    static ::testing::AssertionResult client_is_scaled() {
        const SIZE size = client_size(win32_window.hwnd);
        const int scale = GetParam().scale;
        const int rows = gfx_context->height * gfx_context->scanline_size;
        if (win32_window.scale == scale && size.cx == gfx_context->width * scale &&
            size.cy == rows * scale) {
            return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure()
               << "client " << size.cx << "x" << size.cy << " at scale " << win32_window.scale
               << " for " << gfx_context->width << "x" << rows;
    }

    int saved_ = 0;
};

TEST_P(ScaledScreen, EveryDepthShowsEachPixelAsAnExactBlock) {
    for (const ScaledScreenKind& kind : SCREEN_KINDS) {
        ASSERT_TRUE(open(kind));
        EXPECT_TRUE(client_is_scaled()) << kind.what;
        draw_pattern(0x5EED);
        expect_screen_shows_framebuffer(kind.what);
        if (gfx_context->bytes_per_pixel == 1) {
            const uint32_t before = gfx_context->palette[3];
            gfx_palette(3, 63, 0, 21);
            ASSERT_NE(before, gfx_context->palette[3]);
            expect_screen_shows_framebuffer("after a palette change");
        }
    }
}

// Moves the X pointer onto the centre of framebuffer pixel (x, y)'s block and waits up to two
// seconds for gfx_getmouse to report a position; returns the last one read.
POINT mouse_after_moving_to(int x, int y) {
    const int scale = win32_window.scale;
    POINT p{win32_window.origin_x + x * scale + scale / 2,
            win32_window.origin_y + y * scale + scale / 2};
    ClientToScreen(win32_window.hwnd, &p);
    EXPECT_EQ(0, run_xdotool("mousemove " + std::to_string(p.x) + " " + std::to_string(p.y)));
    POINT read{-1, -1};
    for (int i = 0; i < 40; ++i) {
        int mx = -1;
        int my = -1;
        if (gfx_getmouse(&mx, &my, nullptr, nullptr) == 0) {
            read = {mx, my};
            if (mx == x && my == y) {
                break;
            }
        }
        Sleep(50);
    }
    return read;
}

TEST_P(ScaledScreen, TheMouseIsReportedAndPlacedInFramebufferPixels) {
    ASSERT_TRUE(open(SCREEN_KINDS[1]));
    const POINT targets[] = {{0, 0}, {319, 199}, {17, 9}, {160, 101}};
    for (const POINT& target : targets) {
        const POINT read = mouse_after_moving_to(target.x, target.y);
        EXPECT_EQ(target.x, read.x) << "x of " << target.x << ", " << target.y;
        EXPECT_EQ(target.y, read.y) << "y of " << target.x << ", " << target.y;
    }
    ASSERT_EQ(0, gfx_setmouse(123, 45, 1));
    int x = -1;
    int y = -1;
    ASSERT_EQ(0, gfx_getmouse(&x, &y, nullptr, nullptr));
    EXPECT_EQ(123, x);
    EXPECT_EQ(45, y);
}

TEST_P(ScaledScreen, AChangeOfScaleRemakesTheOpenWindowAtOnce) {
    const int scale = GetParam().scale;
    gfx_window_scale(1);
    ASSERT_TRUE(open(SCREEN_KINDS[3]));
    EXPECT_EQ(1, win32_window.scale);
    draw_pattern(0xFACE);
    expect_screen_shows_framebuffer("at scale 1");
    const HWND before = win32_window.hwnd;
    EXPECT_EQ(1, gfx_window_scale(scale));
    EXPECT_FALSE(IsWindow(before)) << "the window was made again";
    EXPECT_TRUE(client_is_scaled());
    expect_screen_shows_framebuffer("at the new scale");
    EXPECT_EQ(scale, gfx_window_scale(-1));
}

INSTANTIATE_TEST_SUITE_P(BothDrivers, ScaledScreen,
                         ::testing::Values(ScaledCase{"GDI", 2}, ScaledCase{"GDI", 3},
                                           ScaledCase{"DirectX", 2}, ScaledCase{"DirectX", 3}),
                         case_name);

} // namespace
