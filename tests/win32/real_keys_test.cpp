// Keys pressed on the X display as a user presses them (xdotool), reaching key_state through the
// flip and the key buffer through the window procedure.
#include "win32_test_support.h"

namespace {

// Palette entries handed to the driver, counted by the Alt+Enter test.
int palette_entries_sent = 0;
void count_palette_entry(int, int, int, int) { ++palette_entries_sent; }

class RealKeys : public OpenGLScreenTest {
protected:
    void SetUp() override {
        OpenGLScreenTest::SetUp();
        ASSERT_EQ(0, run_xdotool("search --sync --name qzgfx.gl.test windowfocus --sync"));
        flip_frames(5);
        drain_keys();
    }

    // Presses and releases keys (xdotool key syntax), then lets a few frames pass.
    void press(const std::string& keys) {
        ASSERT_EQ(0, run_xdotool("key --delay 50 " + keys));
        flip_frames(5);
    }

    // Holds a key down across several frames.
    void hold(const std::string& key) {
        ASSERT_EQ(0, run_xdotool("keydown " + key));
        flip_frames(10);
    }

    // Releases a held key and lets a few frames pass.
    void release(const std::string& key) {
        ASSERT_EQ(0, run_xdotool("keyup " + key));
        flip_frames(10);
    }
};

TEST_F(RealKeys, EscapeArrivesOnceAsTheCharacter27) {
    press("Escape");
    EXPECT_EQ((std::vector<int>{27}), drain_keys());
}

TEST_F(RealKeys, F1ArrivesAsItsExtendedCode) {
    press("F1");
    EXPECT_EQ((std::vector<int>{0x3BFF}), drain_keys());
}

TEST_F(RealKeys, ShiftTabArrivesAsTwoCodes) {
    press("shift+Tab");
    EXPECT_EQ((std::vector<int>{0x0FFF, 9}), drain_keys());
}

TEST_F(RealKeys, LettersArriveAsCharacters) {
    press("q shift+z");
    EXPECT_EQ((std::vector<int>{'q', 'Z'}), drain_keys());
}

TEST_F(RealKeys, AHeldKeyIsDownInKeyStateUntilReleased) {
    hold("r");
    EXPECT_EQ(-1, gfx_multikey(19));
    EXPECT_EQ(0, gfx_multikey(1));
    release("r");
    EXPECT_EQ(0, gfx_multikey(19));
    EXPECT_EQ((std::vector<int>{'r'}), drain_keys());
}

TEST_F(RealKeys, EitherShiftKeySetsBothShiftScancodes) {
    for (const char* key : {"Shift_L", "Shift_R"}) {
        hold(key);
        EXPECT_EQ(1, gfx_context->key_state[42]) << key;
        EXPECT_EQ(1, gfx_context->key_state[54]) << key;
        EXPECT_EQ(-1, gfx_multikey(54)) << key;
        release(key);
        EXPECT_EQ(0, gfx_context->key_state[42]) << key;
        EXPECT_EQ(0, gfx_context->key_state[54]) << key;
    }
    EXPECT_TRUE(drain_keys().empty());
}

TEST_F(RealKeys, KeyStateStaysZeroWhileTheApplicationIsInactive) {
    SendMessageA(window, WM_ACTIVATEAPP, FALSE, 0);
    hold("Shift_L");
    hold("r");
    for (int i = 0; i < 128; ++i) {
        ASSERT_EQ(0, gfx_context->key_state[i]) << i;
    }
    EXPECT_EQ(0, gfx_multikey(19));
    release("r");
    release("Shift_L");
}

TEST_F(RealKeys, ACloseRequestPostsTheCloseKeyThroughTheFlip) {
    PostMessageA(window, WM_CLOSE, 0, 0);
    flip_frames(2);
    EXPECT_EQ((std::vector<int>{CLOSE_KEY_CODE}), drain_keys());
    EXPECT_TRUE(IsWindowVisible(window));
}

TEST_F(RealKeys, AltEnterFallsBackToTheWindowWhereTheDisplayRefusesTheMode) {
    GfxDriver counting = GFX_DRIVER_OPENGL;
    counting.set_palette = count_palette_entry;
    gfx_context->driver = &counting;
    palette_entries_sent = 0;
    std::memset(gfx_context->dirty_rows, 0, 480);
    press("alt+Return");
    gfx_context->driver = &GFX_DRIVER_OPENGL;
    EXPECT_EQ(256, palette_entries_sent) << "the switch sends the whole palette again";
    EXPECT_FALSE(win32_window.flags & SCREEN_FULLSCREEN);
    EXPECT_TRUE(IsWindowVisible(window));
    SIZE size = client_size(window);
    EXPECT_EQ(640, size.cx);
    EXPECT_EQ(480, size.cy);
    EXPECT_TRUE(GetWindowLongA(window, GWL_STYLE) & WS_CAPTION);
    for (int i = 0; i < 480; ++i) {
        ASSERT_EQ(1, gfx_context->dirty_rows[i]) << i;
    }
    EXPECT_TRUE(drain_keys().empty());
}

} // namespace
