// The GDI window as a user meets it: keys typed on the X display, Alt+Enter, the close button,
// and the window layer's faults mended for a display thread.
#include "gdi_test_support.h"

namespace {

class GdiWindow : public GdiTest {
protected:
    void SetUp() override {
        GdiTest::SetUp();
        ASSERT_TRUE(open_mode(13));
        ASSERT_EQ(0, run_xdotool("search --sync --name qzgfx.gdi.test windowfocus --sync"));
        Sleep(200);
        drain();
    }
    // Presses and releases keys (xdotool key syntax), then lets a few passes run.
    void press(const std::string& keys) {
        ASSERT_EQ(0, run_xdotool("key --delay 50 " + keys));
        Sleep(200);
    }
    // Waits until the key buffer has `count` codes (or 5 s passed) and returns them all.
    static std::vector<int> keys_after(size_t count) {
        std::vector<int> codes;
        for (int i = 0; i < 500 && codes.size() < count; ++i) {
            for (int code = gfx_read_key(); code != 0; code = gfx_read_key()) {
                codes.push_back(code);
            }
            if (codes.size() < count) {
                Sleep(10);
            }
        }
        for (int code = gfx_read_key(); code != 0; code = gfx_read_key()) {
            codes.push_back(code);
        }
        return codes;
    }
};

TEST_F(GdiWindow, TypedKeysReachTheKeyBufferAndKeyStateThroughTheDisplayThread) {
    press("q shift+z Escape F1");
    EXPECT_EQ((std::vector<int>{'q', 'Z', 27, 0x3BFF}), keys_after(4));

    ASSERT_EQ(0, run_xdotool("keydown r"));
    int down = 0;
    for (int i = 0; i < 300 && down == 0; ++i) {
        down = gfx_multikey(19);
        if (down == 0) {
            Sleep(10);
        }
    }
    EXPECT_EQ(-1, down) << "R is down in key_state while held";
    EXPECT_EQ(0, gfx_multikey(1));
    ASSERT_EQ(0, run_xdotool("keyup r"));
    int up = -1;
    for (int i = 0; i < 300 && up != 0; ++i) {
        up = gfx_multikey(19);
        if (up != 0) {
            Sleep(10);
        }
    }
    EXPECT_EQ(0, up) << "R is up again once released";
    EXPECT_EQ((std::vector<int>{'r'}), keys_after(1));
}

TEST_F(GdiWindow, TheCloseButtonPostsTheCloseCodeAndTheWindowStays) {
    // A click on the close button reaches the window as SC_CLOSE (from Wine's frame or from a
    // window manager's delete request), which the default processing turns into WM_CLOSE.
    HWND window = win32_window.hwnd;
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ((std::vector<int>{CLOSE_KEY_CODE}), keys_after(1));
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(window, win32_window.hwnd);
    EXPECT_TRUE(IsWindowVisible(window));
}

TEST_F(GdiWindow, AltEnterRecreatesTheWindowInPlaceWithEveryRowShown) {
    std::mt19937 random(9);
    random_palette(random);
    draw_rows(random, 0, 199, true);
    ASSERT_TRUE(wait_presented());
    // Rows changed without marks: only a full repaint after the switch shows them.
    draw_rows(random, 50, 120, false);
    static char text[] = "qzgfx gdi renamed";
    RtString title{text, sizeof text - 1, sizeof text};
    gfx_window_title(&title);

    HWND old_window = win32_window.hwnd;
    RECT old_rect{};
    GetWindowRect(old_window, &old_rect);
    const size_t windows = process_windows().size();
    press("alt+Return");
    for (int i = 0; i < 300 && win32_window.hwnd == old_window; ++i) {
        Sleep(10);
    }

    HWND window = win32_window.hwnd;
    ASSERT_NE(old_window, window) << "the switch re-creates the window";
    EXPECT_FALSE(IsWindow(old_window));
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(windows, process_windows().size()) << "the old window is gone, one new one";
    EXPECT_EQ(0, win32_window.flags & SCREEN_FULLSCREEN);
    RECT rect{};
    GetWindowRect(window, &rect);
    EXPECT_EQ(old_rect.left, rect.left);
    EXPECT_EQ(old_rect.top, rect.top);
    EXPECT_EQ(old_rect.right, rect.right);
    EXPECT_EQ(old_rect.bottom, rect.bottom);
    char shown[64] = {};
    GetWindowTextA(window, shown, sizeof shown);
    EXPECT_STREQ("qzgfx gdi renamed", shown) << "the new window takes the current title";

    ASSERT_TRUE(wait_presented());
    EXPECT_TRUE(shows_framebuffer(read_client_area(window)));
}

TEST_F(GdiWindow, ASwitchBeforeSetModeStoresTheDriverReachesNoDriver) {
    // The display thread runs before set-mode stores the driver; a switch in that gap must not
    // hand the palette to a driver that is not there yet.
    HWND old_window = win32_window.hwnd;
    const GfxDriver* driver = gfx_context->driver;
    gfx_context->driver = nullptr;
    SendMessageA(old_window, WM_SYSKEYDOWN, VK_RETURN, LPARAM{1} << 29);
    gfx_context->driver = driver;
    EXPECT_NE(old_window, win32_window.hwnd);
    EXPECT_TRUE(IsWindow(win32_window.hwnd));
    std::mt19937 random(4);
    random_palette(random);
    draw_rows(random, 0, 199, true);
    ASSERT_TRUE(wait_presented());
    EXPECT_TRUE(shows_framebuffer(read_client_area(win32_window.hwnd)));
}

TEST_F(GdiTest, LeavingTwiceReleasesNothingTwice) {
    // The refused switch runs leave, enter (refused before it makes anything), leave again. The
    // second leave must find no window and no buffers: here a window of this thread stands in.
    _putenv("QZGFX=null");
    ASSERT_EQ(0, gfx_screen(13, 0, 1, 0, 0));
    win32_clear_window_state();
    HWND mine = CreateWindowExA(0, "STATIC", "qzgfx stand-in", 0, 0, 0, 10, 10, nullptr, nullptr,
                                nullptr, nullptr);
    ASSERT_NE(nullptr, mine);
    win32_window.hwnd = mine;
    gdi_state.bitmap_info = static_cast<BITMAPINFO*>(std::calloc(1, GDI_BITMAP_INFO_SIZE));
    gdi_leave_mode();
    EXPECT_FALSE(IsWindow(mine));
    EXPECT_EQ(nullptr, win32_window.hwnd);
    EXPECT_EQ(nullptr, gdi_state.bitmap_info);
    EXPECT_EQ(nullptr, gdi_state.convert_buffer);
    win32_window.flags = SCREEN_FULLSCREEN;
    EXPECT_EQ(-1, gdi_enter_mode());
    gdi_leave_mode();
    EXPECT_EQ(nullptr, win32_window.hwnd);
}

} // namespace
