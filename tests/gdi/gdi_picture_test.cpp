// What the GDI driver puts on the X display: the client area equals the framebuffer shown through
// the palette, only marked rows are presented, palette changes and WM_PAINT repaint.
#include "gdi_test_support.h"

namespace {

struct ScreenCase {
    const char* name;
    int mode;  // a numbered mode, or 0 for a screen by size
    int width; // screens by size
    int height;
    int depth;
};

// A paletted numbered mode, a doubled-row mode, 1- and 4-bit modes, an 8-bit width that is not a
// multiple of 4, a 16-bit screen of odd width and a 32-bit screen.
const ScreenCase SCREENS[] = {
    {"mode13", 13, 0, 0, 0},        {"mode2_doubled", 2, 0, 0, 0},  {"mode8_doubled", 8, 0, 0, 0},
    {"mode12_4bit", 12, 0, 0, 0},   {"mode11_1bit", 11, 0, 0, 0},   {"odd_8bit", 0, 317, 203, 8},
    {"odd_16bit", 0, 301, 211, 16}, {"rgb_32bit", 0, 640, 480, 32},
};

// Names a case by its name in failure messages.
[[maybe_unused]] void PrintTo(const ScreenCase& c, std::ostream* out) { *out << c.name; }

class GdiPicture : public GdiTest, public ::testing::WithParamInterface<ScreenCase> {
protected:
    void SetUp() override {
        GdiTest::SetUp();
        const ScreenCase& c = GetParam();
        ASSERT_TRUE(c.mode ? open_mode(c.mode) : open_size(c.width, c.height, c.depth));
    }
};

TEST_P(GdiPicture, TheClientAreaIsTheFramebufferThroughThePalette) {
    std::mt19937 random(7);
    random_palette(random);
    draw_rows(random, 0, gfx_context->height - 1, true);
    ASSERT_TRUE(wait_presented());
    EXPECT_TRUE(shows_framebuffer(read_client_area(win32_window.hwnd)));
}

TEST_P(GdiPicture, OnlyMarkedRowsArePresentedAndWmPaintPresentsThemAll) {
    std::mt19937 random(11);
    random_palette(random);
    draw_rows(random, 0, gfx_context->height - 1, true);
    ASSERT_TRUE(wait_presented());
    const Picture before = read_client_area(win32_window.hwnd);
    ASSERT_TRUE(shows_framebuffer(before));

    // Rows 3 and 9 change with a mark, row 20 without one: 20 keeps its old picture.
    const int scan = gfx_context->scanline_size;
    draw_rows(random, 3, 3, true);
    draw_rows(random, 9, 9, true);
    draw_rows(random, 20, 20, false);
    ASSERT_TRUE(wait_presented());
    const Picture after = read_client_area(win32_window.hwnd);
    ASSERT_EQ(before.pixels.size(), after.pixels.size());
    for (int y = 0; y < after.height; ++y) {
        const int row = y / scan;
        for (int x = 0; x < after.width; ++x) {
            if (row == 20) {
                ASSERT_EQ(before.at(x, y), after.at(x, y))
                    << "unmarked row, pixel " << x << "," << y;
            } else {
                ASSERT_TRUE(
                    pixel_matches(gfx_context, after.at(x, y), expected_pixel(gfx_context, x, row)))
                    << "pixel " << x << "," << y;
            }
        }
    }

    // The window uncovered: WM_PAINT marks every row, and the next pass shows row 20 too.
    InvalidateRect(win32_window.hwnd, nullptr, FALSE);
    Sleep(50);
    ASSERT_TRUE(wait_presented());
    EXPECT_TRUE(shows_framebuffer(read_client_area(win32_window.hwnd)));
}

INSTANTIATE_TEST_SUITE_P(Screens, GdiPicture, ::testing::ValuesIn(SCREENS),
                         [](const auto& p) { return std::string(p.param.name); });

TEST_F(GdiTest, APaletteChangeShowsAtTheNextPass) {
    ASSERT_TRUE(open_mode(13));
    std::mt19937 random(5);
    draw_rows(random, 0, gfx_context->height - 1, true);
    ASSERT_TRUE(wait_presented());
    const Picture before = read_client_area(win32_window.hwnd);
    ASSERT_TRUE(shows_framebuffer(before));
    random_palette(random);
    ASSERT_TRUE(wait_presented());
    const Picture after = read_client_area(win32_window.hwnd);
    EXPECT_NE(before.pixels, after.pixels);
    EXPECT_TRUE(shows_framebuffer(after));
}

TEST_F(GdiTest, AFlippedPageIsShownWhole) {
    ASSERT_TRUE(open_size(200, 150, 32, 2));
    std::mt19937 random(3);
    {
        GfxLockGuard lock(gfx_context);
        uint8_t* page = gfx_context->pages[1];
        for (size_t i = 0; i < static_cast<size_t>(gfx_context->pitch) * gfx_context->height; ++i) {
            page[i] = static_cast<uint8_t>(random());
        }
    }
    gfx_flip(1, 0);
    ASSERT_TRUE(wait_presented());
    EXPECT_TRUE(shows_framebuffer(read_client_area(win32_window.hwnd)));
}

} // namespace
