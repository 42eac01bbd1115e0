// The DirectDraw driver's modes: the full-screen search, full screen where the display has the
// size and, over the desktop, where it cannot change mode, and the windowed/full-screen switch.
#include "dx_test_support.h"

#include "gfx/drivers/dx_state.h"

namespace {

struct Attempt {
    int width, height, depth, rate;
    unsigned flags;
    bool operator==(const Attempt&) const = default;
};

// Records every attempt and accepts those of one height (0: none).
struct Recorder {
    std::vector<Attempt> attempts;
    int accept_height = 0;
    int accept_depth = 0;
};

bool record_attempt(void* user, int width, int height, int depth, int rate, unsigned flags) {
    auto* r = static_cast<Recorder*>(user);
    r->attempts.push_back({width, height, depth, rate, flags});
    return height == r->accept_height && (r->accept_depth == 0 || depth == r->accept_depth);
}

TEST(DxModeSearch, A320By200Request8BitAsksForTheVgaModeThenEveryStandardHeight) {
    Recorder r;
    EXPECT_EQ(-1, dx_search_display_mode(320, 200, 8, 70, record_attempt, &r));
    const std::vector<Attempt> want = {{320, 200, 8, 70, 1}, {320, 240, 8, 70, 0},
                                       {320, 480, 8, 70, 0}, {320, 600, 8, 70, 0},
                                       {320, 768, 8, 70, 0}, {320, 1024, 8, 70, 0}};
    EXPECT_EQ(want, r.attempts);
}

TEST(DxModeSearch, TwinDepthsAreTriedAtEachHeightAndTheFoundHeightIsReturned) {
    Recorder r;
    r.accept_height = 240;
    r.accept_depth = 15;
    EXPECT_EQ(240, dx_search_display_mode(320, 200, 16, 0, record_attempt, &r));
    const std::vector<Attempt> want = {
        {320, 200, 16, 0, 0}, {320, 200, 15, 0, 0}, {320, 240, 16, 0, 0}, {320, 240, 15, 0, 0}};
    EXPECT_EQ(want, r.attempts);
    EXPECT_EQ(20, (240 - 200) >> 1) << "the picture sits 20 rows down";

    Recorder big;
    EXPECT_EQ(-1, dx_search_display_mode(1280, 1100, 32, 0, record_attempt, &big));
    const std::vector<Attempt> once = {{1280, 1100, 32, 0, 0}, {1280, 1100, 24, 0, 0}};
    EXPECT_EQ(once, big.attempts) << "above 1024 rows only the requested height is tried";

    Recorder first;
    first.accept_height = 480;
    EXPECT_EQ(480, dx_search_display_mode(640, 480, 8, 0, record_attempt, &first));
    EXPECT_EQ(1u, first.attempts.size()) << "8 bits has no twin; 640 x 480 fits at once";
}

TEST(DxModeSearch, HeightLadderAndTwins) {
    const int from[] = {0, 200, 239, 240, 350, 480, 599, 600, 767, 768, 1023, 1024, 5000};
    const int next[] = {240, 240, 240, 480, 480, 600, 600, 768, 768, 1024, 1024, -1, -1};
    for (size_t i = 0; i < std::size(from); ++i) {
        EXPECT_EQ(next[i], dx_next_height(from[i])) << from[i];
    }
    EXPECT_EQ(16, dx_twin_depth(15));
    EXPECT_EQ(15, dx_twin_depth(16));
    EXPECT_EQ(32, dx_twin_depth(24));
    EXPECT_EQ(24, dx_twin_depth(32));
    EXPECT_EQ(0, dx_twin_depth(8));
}

class DxModes : public DxScreenTest {};

// The display's size, from the desktop's mode.
SIZE display_size() {
    int w = 0, h = 0, depth = 0, rate = 0;
    win32_get_desktop_info(&w, &h, &depth, &rate);
    return SIZE{w, h};
}

// The whole X display, read back.
Picture read_whole_display() {
    const SIZE display = display_size();
    return read_x_display([display] {
        return DisplayArea{0, 0, static_cast<int>(display.cx), static_cast<int>(display.cy)};
    });
}

// Counts the pixels of a picture of the whole display that lie outside the screen's picture and
// are not black.
long lit_pixels_around_the_picture(const Picture& shot) {
    const int scale = win32_window.scale;
    const int right = win32_window.origin_x + gfx_context->width * scale;
    const int bottom = win32_window.origin_y + gfx_context->height * scale;
    long lit = 0;
    for (int y = 0; y < shot.height; ++y) {
        for (int x = 0; x < shot.width; ++x) {
            const bool inside =
                x >= win32_window.origin_x && x < right && y >= win32_window.origin_y && y < bottom;
            lit += !inside && (shot.at(x, y) & 0xFFFFFF) != 0;
        }
    }
    return lit;
}

// Asserts that the open screen is a full screen over the desktop: the display's size, the picture
// at the largest whole scale that fits and centred.
void expect_over_the_desktop() {
    const SIZE display = display_size();
    ASSERT_TRUE(win32_window.flags & SCREEN_FULLSCREEN);
    ASSERT_EQ(1, win32_window.over_desktop);
    EXPECT_FALSE(dx.fullscreen) << "no display mode was set";
    EXPECT_NE(dx.primary, dx.target) << "the picture comes from an off-screen surface";
    int scale = 1;
    while (gfx_context->width * (scale + 1) <= display.cx &&
           gfx_context->height * (scale + 1) <= display.cy) {
        ++scale;
    }
    EXPECT_EQ(scale, win32_window.scale);
    EXPECT_EQ((display.cx - gfx_context->width * scale) / 2, win32_window.origin_x);
    EXPECT_EQ((display.cy - gfx_context->height * scale) / 2, win32_window.origin_y);
    EXPECT_EQ(display.cx, client_size(win32_window.hwnd).cx);
    EXPECT_EQ(display.cy, client_size(win32_window.hwnd).cy);
}

TEST_F(DxModes, FullScreenThatTheDisplayCannotSetCoversItOverTheDesktop) {
    if (display_size().cx == 640 && display_size().cy == 480) {
        GTEST_SKIP() << "the display has this size";
    }
    set_test_title("qzgfx dx full 640");
    ASSERT_EQ(0, gfx_screen_res(640, 480, 32, 0, SCREEN_FULLSCREEN, 0));
    expect_directx();
    expect_over_the_desktop();
    EXPECT_EQ("DirectX, full screen: opened over the desktop at scale " +
                  std::to_string(win32_window.scale) + "\n",
              std::string(gfx_driver_report()));
    draw_pattern(0x640);
    expect_screen_shows_framebuffer("640 x 480 over the desktop");
    EXPECT_EQ(0, lit_pixels_around_the_picture(read_whole_display()));
}

TEST_F(DxModes, Mode13OverTheDesktopIsCentredOnBlackAndTheMouseMapsThroughTheScale) {
    set_test_title("qzgfx dx full 13");
    ASSERT_EQ(0, gfx_screen(13, 0, 0, SCREEN_FULLSCREEN, 0));
    expect_directx();
    expect_over_the_desktop();
    if (display_size().cx == 1024 && display_size().cy == 768) {
        EXPECT_EQ(3, win32_window.scale);
        EXPECT_EQ(32, win32_window.origin_x);
        EXPECT_EQ(84, win32_window.origin_y);
    }
    draw_pattern(13);
    expect_screen_shows_framebuffer("mode 13 over the desktop");
    EXPECT_EQ(0, lit_pixels_around_the_picture(read_whole_display()));

    const int scale = win32_window.scale;
    const auto move = [](int x, int y) {
        return run_xdotool("mousemove " + std::to_string(x) + " " + std::to_string(y));
    };
    const auto read = [] {
        int x = -1, y = -1;
        for (int i = 0; i < 40 && gfx_getmouse(&x, &y, nullptr, nullptr) != 0; ++i) {
            Sleep(50);
        }
        return POINT{x, y};
    };
    ASSERT_EQ(0, move(win32_window.origin_x + 10 * scale + scale / 2,
                      win32_window.origin_y + 20 * scale + scale - 1));
    Sleep(100);
    POINT p = read();
    EXPECT_EQ(10, p.x);
    EXPECT_EQ(20, p.y);
    ASSERT_EQ(0, move(1, 1));
    Sleep(100);
    p = read();
    EXPECT_EQ(0, p.x) << "the black border holds the pointer to the picture's edge";
    EXPECT_EQ(0, p.y);
    ASSERT_EQ(0, gfx_setmouse(300, 150, 1));
    p = read();
    EXPECT_EQ(300, p.x);
    EXPECT_EQ(150, p.y);
}

TEST_F(DxModes, FullScreenOfTheDisplaysOwnSizeDrawsIntoThePrimarySurface) {
    int w = 0, h = 0, depth = 0, rate = 0;
    win32_get_desktop_info(&w, &h, &depth, &rate);
    set_test_title("qzgfx dx full desk");
    ASSERT_EQ(0, gfx_screen_res(w, h, depth, 0, SCREEN_FULLSCREEN | SCREEN_NO_SWITCH, 0));
    expect_directx();
    ASSERT_TRUE(win32_window.flags & SCREEN_FULLSCREEN);
    EXPECT_TRUE(dx.fullscreen);
    EXPECT_EQ(dx.primary, dx.target);
    EXPECT_EQ(0, dx.y_offset);
    {
        GfxLockGuard lock(gfx_context);
        for (int y = 0; y < h; ++y) {
            uint8_t* row = gfx_context->pages[0] + y * gfx_context->pitch;
            for (int x = 0; x < w; ++x) {
                const uint32_t v = (static_cast<uint32_t>(x) << 12) ^ (y * 977u);
                std::memcpy(row + x * gfx_context->bytes_per_pixel, &v,
                            gfx_context->bytes_per_pixel);
            }
            gfx_context->dirty_rows[y] = 1;
        }
    }
    // Wine's default renderer does not bring a full-screen primary surface to an Xvfb display, so
    // the picture is read back from the primary surface itself.
    ASSERT_TRUE(wait_presented());
    {
        GfxLockGuard lock(gfx_context);
        DDSURFACEDESC desc{};
        desc.dwSize = sizeof desc;
        ASSERT_EQ(DD_OK, dx.primary->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr));
        const DDPIXELFORMAT& format = desc.ddpfPixelFormat;
        int bits = static_cast<int>(format.dwRGBBitCount);
        if (bits == 16 && format.dwGBitMask == 0x3E0) {
            bits = 15;
        }
        const bool red_low = format.dwRBitMask == 0x1F || format.dwRBitMask == 0xFF;
        const int bytes = reference_bytes(bits);
        int wrong = 0;
        for (int y = 0; y < h; ++y) {
            const uint8_t* row =
                static_cast<uint8_t*>(desc.lpSurface) + static_cast<ptrdiff_t>(y) * desc.lPitch;
            for (int x = 0; x < w; ++x) {
                uint8_t want[4] = {};
                reference_display(want, expected_colour(gfx_context, x, y), bits, red_low);
                for (int i = 0; i < bytes; ++i) {
                    if ((row[x * bytes + i] ^ want[i]) & reference_mask(bits, i)) {
                        ++wrong;
                        break;
                    }
                }
            }
        }
        dx.primary->Unlock(desc.lpSurface);
        EXPECT_EQ(0, wrong) << "pixels of the primary surface that differ from the framebuffer";
    }

    // Inactive: nothing is presented, the marks stay; active again: presented.
    SendMessageA(win32_window.hwnd, WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_EQ(0, win32_window.is_active);
    mark_all_dirty();
    Sleep(200);
    {
        GfxLockGuard lock(gfx_context);
        int marked = 0;
        for (int y = 0; y < h; ++y) {
            marked += gfx_context->dirty_rows[y];
        }
        EXPECT_EQ(h, marked) << "an inactive full screen presents nothing";
    }
    SendMessageA(win32_window.hwnd, WM_ACTIVATEAPP, TRUE, 0);
    EXPECT_TRUE(wait_presented());
}

// Reads the window handle under the lock (a switch replaces it on the display thread).
HWND current_window() {
    GfxLockGuard lock(gfx_context);
    return win32_window.hwnd;
}

TEST_F(DxModes, AltEnterAndTheMaximiseButtonGoOverTheDesktopAndBackWithThePictureIntact) {
    set_test_title("qzgfx dx switch");
    ASSERT_EQ(0, gfx_screen(13, 0, 0, 0, 0));
    expect_directx();
    draw_pattern(0x13);
    expect_screen_shows_framebuffer("before switching");

    const HWND first = current_window();
    SendMessageA(first, WM_SYSKEYDOWN, VK_RETURN, 1 << 29);
    const HWND second = current_window();
    ASSERT_NE(nullptr, second);
    EXPECT_FALSE(IsWindow(first)) << "the old window was destroyed";
    expect_over_the_desktop();
    EXPECT_EQ(1, win32_window.is_active);
    expect_screen_shows_framebuffer("after Alt+Enter");

    SendMessageA(second, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    EXPECT_EQ(second, current_window()) << "maximising a full screen changes nothing";
    SendMessageA(second, WM_SYSKEYDOWN, VK_RETURN, 1 << 29);
    const HWND third = current_window();
    EXPECT_FALSE(IsWindow(second));
    EXPECT_EQ(0, win32_window.flags & SCREEN_FULLSCREEN);
    EXPECT_EQ(0, win32_window.over_desktop);
    EXPECT_EQ(320 * win32_window.scale, client_size(third).cx);
    expect_screen_shows_framebuffer("back in a window");

    SendMessageA(third, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    EXPECT_FALSE(IsWindow(third));
    expect_over_the_desktop();
    expect_screen_shows_framebuffer("after the maximise button");
}

} // namespace
