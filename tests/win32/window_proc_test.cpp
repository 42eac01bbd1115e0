// The window procedure's messages, sent to the library's window on an open OpenGL screen.
#include <array>

#include "rt/string.h"
#include "win32_test_support.h"

namespace {

constexpr LPARAM ALT_HELD = 1 << 29;

// A key message's lParam: repeat count and scancode.
LPARAM key_lparam(int scan, int repeat) { return static_cast<LPARAM>((scan << 16) | repeat); }

// Holds the given virtual keys down in this thread's keyboard state until destroyed.
class HeldKeys {
public:
    HeldKeys(std::initializer_list<int> vks) {
        GetKeyboardState(saved_.data());
        std::array<BYTE, 256> keys = saved_;
        for (int vk : vks) {
            keys[vk] = 0x80;
        }
        SetKeyboardState(keys.data());
    }
    ~HeldKeys() { SetKeyboardState(saved_.data()); }

private:
    std::array<BYTE, 256> saved_{};
};

// The pointer's show count, left as it was.
int cursor_count() {
    int shown = ShowCursor(TRUE);
    ShowCursor(FALSE);
    return shown - 1;
}

using WindowProc = OpenGLScreenTest;

TEST_F(WindowProc, ACloseRequestPostsTheCloseKeyAndKeepsTheWindow) {
    EXPECT_EQ(0, SendMessageA(window, WM_CLOSE, 0, 0));
    EXPECT_TRUE(IsWindow(window));
    RtString* key = gfx_inkey();
    ASSERT_NE(nullptr, key);
    ASSERT_EQ(2u, rt_string_length(key));
    EXPECT_EQ('\xFF', key->data[0]);
    EXPECT_EQ('k', key->data[1]);
    rt_string_release_temp(key);
    EXPECT_TRUE(drain_keys().empty());
}

TEST_F(WindowProc, CharactersArePostedInCodePage437OncePerRepeat) {
    SendMessageA(window, WM_CHAR, 'a', 3);
    EXPECT_EQ((std::vector<int>{'a', 'a', 'a'}), drain_keys());

    ASSERT_EQ(1252u, GetACP()) << "the test expects the Western ANSI code page";
    SendMessageA(window, WM_CHAR, 0xE9, 1); // e acute
    EXPECT_EQ((std::vector<int>{0x82}), drain_keys());

    SendMessageA(window, WM_CHAR, 0x100, 1);
    SendMessageA(window, WM_CHAR, 'b', 0);
    EXPECT_TRUE(drain_keys().empty());
}

TEST_F(WindowProc, KeyDownPostsExtendedKeysOnlyOncePerRepeat) {
    SendMessageA(window, WM_KEYDOWN, VK_F1, key_lparam(0x3B, 2));
    EXPECT_EQ((std::vector<int>{0x3BFF, 0x3BFF}), drain_keys());

    SendMessageA(window, WM_KEYDOWN, VK_ESCAPE, key_lparam(1, 1));
    SendMessageA(window, WM_KEYDOWN, 'A', key_lparam(30, 1));
    SendMessageA(window, WM_KEYDOWN, VK_F1, key_lparam(0x3B, 0));
    EXPECT_TRUE(drain_keys().empty());

    SendMessageA(window, WM_KEYDOWN, VK_UP, key_lparam(0x48, 1) | (1 << 24));
    EXPECT_EQ((std::vector<int>{0x48FF}), drain_keys());
}

TEST_F(WindowProc, ShiftTabKeyDownPostsTheBackTabCode) {
    HeldKeys shift({VK_SHIFT, VK_LSHIFT});
    SendMessageA(window, WM_KEYDOWN, VK_TAB, key_lparam(15, 1));
    EXPECT_EQ((std::vector<int>{0x0FFF}), drain_keys());
}

TEST_F(WindowProc, AltF4ReachesTheProgramAsOneKeyAndDoesNotCloseTheWindow) {
    HeldKeys alt({VK_MENU, VK_LMENU});
    EXPECT_EQ(0, SendMessageA(window, WM_SYSKEYDOWN, VK_F4, key_lparam(0x3E, 1) | ALT_HELD));
    EXPECT_EQ((std::vector<int>{CLOSE_KEY_CODE}), drain_keys());
    EXPECT_TRUE(IsWindow(window));
}

TEST_F(WindowProc, AltLetterPostsItsExtendedCodeOnlyWhileActive) {
    HeldKeys alt({VK_MENU, VK_LMENU});
    SendMessageA(window, WM_SYSKEYDOWN, 'A', key_lparam(30, 1) | ALT_HELD);
    EXPECT_EQ((std::vector<int>{0x1EFF}), drain_keys());

    SendMessageA(window, WM_ACTIVATEAPP, FALSE, 0);
    SendMessageA(window, WM_SYSKEYDOWN, 'A', key_lparam(30, 1) | ALT_HELD);
    EXPECT_TRUE(drain_keys().empty());
    SendMessageA(window, WM_ACTIVATEAPP, TRUE, 0);
}

TEST_F(WindowProc, ActivationChangesClearKeyStateAndButtonsAndMarkEveryRow) {
    std::memset(gfx_context->key_state, 1, 128);
    std::memset(gfx_context->dirty_rows, 0, 480);
    win32_layer.mouse_buttons = 5;

    SendMessageA(window, WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_EQ(0, win32_window.is_active);
    for (int i = 0; i < 128; ++i) {
        ASSERT_EQ(0, gfx_context->key_state[i]) << i;
    }
    for (int i = 0; i < 480; ++i) {
        ASSERT_EQ(1, gfx_context->dirty_rows[i]) << i;
    }
    EXPECT_EQ(0, win32_layer.mouse_buttons);

    gfx_context->key_state[19] = 1;
    flip_frames(2);
    EXPECT_EQ(1, gfx_context->key_state[19]) << "an inactive flip must not sample the keyboard";

    SendMessageA(window, WM_ACTIVATEAPP, TRUE, 0);
    EXPECT_EQ(1, win32_window.is_active);
    EXPECT_EQ(0, gfx_context->key_state[19]);
}

TEST_F(WindowProc, ButtonMessagesKeepOneBitPerButton) {
    SendMessageA(window, WM_LBUTTONDOWN, 0, 0);
    EXPECT_EQ(1, win32_layer.mouse_buttons);
    SendMessageA(window, WM_RBUTTONDOWN, 0, 0);
    SendMessageA(window, WM_MBUTTONDOWN, 0, 0);
    EXPECT_EQ(7, win32_layer.mouse_buttons);
    SendMessageA(window, WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(6, win32_layer.mouse_buttons);
    SendMessageA(window, WM_MBUTTONUP, 0, 0);
    EXPECT_EQ(2, win32_layer.mouse_buttons);
    SendMessageA(window, WM_RBUTTONUP, 0, 0);
    EXPECT_EQ(0, win32_layer.mouse_buttons);
}

TEST_F(WindowProc, EachWheelMessageIsOneStepAndOldWindowsIgnoreThem) {
    ASSERT_GT(win32_window.os_version, 0x409);
    SendMessageA(window, WM_MOUSEWHEEL, MAKEWPARAM(0, 360), 0);
    SendMessageA(window, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
    EXPECT_EQ(2, win32_layer.mouse_wheel);
    SendMessageA(window, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
    EXPECT_EQ(1, win32_layer.mouse_wheel);

    int version = win32_window.os_version;
    win32_window.os_version = 0x409;
    SendMessageA(window, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
    EXPECT_EQ(1, win32_layer.mouse_wheel);
    win32_window.os_version = version;
}

TEST_F(WindowProc, TheCursorMessageShowsAndHidesThePointer) {
    UINT message = win32_layer.cursor_message;
    ASSERT_EQ(RegisterWindowMessageA("QZ mouse cursor"), message);
    int before = cursor_count();
    EXPECT_EQ(0, SendMessageA(window, message, 0, 0));
    EXPECT_EQ(before - 1, cursor_count());
    EXPECT_EQ(0, SendMessageA(window, message, 1, 0));
    EXPECT_EQ(before, cursor_count());
}

// The calls a switch makes, recorded by the mode hooks and the palette slot of the tests below.
struct SwitchLog {
    std::vector<char> calls; // 'L' leave, 'W' enter windowed, 'F' enter full screen
    bool refuse_full = true;
    std::vector<int> palette_indices;
};
SwitchLog* switch_log = nullptr;

int fake_enter() {
    bool full = win32_window.flags & SCREEN_FULLSCREEN;
    switch_log->calls.push_back(full ? 'F' : 'W');
    return full && switch_log->refuse_full ? -1 : 0;
}
void fake_leave() { switch_log->calls.push_back('L'); }
void record_palette(int index, int, int, int) { switch_log->palette_indices.push_back(index); }

class ModeSwitch : public OpenGLScreenTest {
protected:
    void SetUp() override {
        OpenGLScreenTest::SetUp();
        switch_log = &log;
        saved_state = win32_window;
        win32_window.enter_mode = fake_enter;
        win32_window.leave_mode = fake_leave;
        recording_driver = GFX_DRIVER_OPENGL;
        recording_driver.set_palette = record_palette;
        gfx_context->driver = &recording_driver;
        std::memset(gfx_context->dirty_rows, 0, 480);
    }
    void TearDown() override {
        gfx_context->driver = &GFX_DRIVER_OPENGL;
        win32_window.enter_mode = saved_state.enter_mode;
        win32_window.leave_mode = saved_state.leave_mode;
        win32_window.flags = saved_state.flags;
        switch_log = nullptr;
        OpenGLScreenTest::TearDown();
    }
    bool all_rows_dirty() const {
        for (int i = 0; i < 480; ++i) {
            if (gfx_context->dirty_rows[i] != 1) {
                return false;
            }
        }
        return true;
    }
    SwitchLog log;
    Win32WindowState saved_state{};
    GfxDriver recording_driver{};
};

TEST_F(ModeSwitch, ARefusedFullScreenFallsBackWithThePaletteResentAndEveryRowDirty) {
    EXPECT_EQ(0, SendMessageA(window, WM_SYSKEYDOWN, VK_RETURN, key_lparam(0x1C, 1) | ALT_HELD));
    EXPECT_EQ((std::vector<char>{'L', 'F', 'L', 'W'}), log.calls);
    EXPECT_FALSE(win32_window.flags & SCREEN_FULLSCREEN);
    ASSERT_EQ(256u, log.palette_indices.size());
    for (int i = 0; i < 256; ++i) {
        ASSERT_EQ(i, log.palette_indices[i]);
    }
    EXPECT_TRUE(all_rows_dirty());
    EXPECT_EQ(1, win32_window.is_active);
    EXPECT_TRUE(drain_keys().empty());
}

TEST_F(ModeSwitch, AnAcceptedSwitchTogglesFullScreenAndBack) {
    log.refuse_full = false;
    SendMessageA(window, WM_SYSKEYDOWN, VK_RETURN, key_lparam(0x1C, 1) | ALT_HELD);
    EXPECT_TRUE(win32_window.flags & SCREEN_FULLSCREEN);
    SendMessageA(window, WM_SYSKEYDOWN, VK_RETURN, key_lparam(0x1C, 1) | ALT_HELD);
    EXPECT_FALSE(win32_window.flags & SCREEN_FULLSCREEN);
    EXPECT_EQ((std::vector<char>{'L', 'F', 'L', 'W'}), log.calls);
}

TEST_F(ModeSwitch, TheMaximiseButtonSwitchesOnlyWhileActive) {
    log.refuse_full = false;
    EXPECT_EQ(0, SendMessageA(window, WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(640, 480)));
    EXPECT_EQ((std::vector<char>{'L', 'F'}), log.calls);

    log.calls.clear();
    SendMessageA(window, WM_ACTIVATEAPP, FALSE, 0);
    SendMessageA(window, WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(640, 480));
    SendMessageA(window, WM_SYSKEYDOWN, VK_RETURN, key_lparam(0x1C, 1) | ALT_HELD);
    SendMessageA(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(640, 480));
    EXPECT_TRUE(log.calls.empty());
    SendMessageA(window, WM_ACTIVATEAPP, TRUE, 0);
}

TEST_F(ModeSwitch, NoSwitchFlagChangesNothing) {
    win32_window.flags |= SCREEN_NO_SWITCH;
    int flags = win32_window.flags;
    EXPECT_EQ(0, SendMessageA(window, WM_SYSKEYDOWN, VK_RETURN, key_lparam(0x1C, 1) | ALT_HELD));
    EXPECT_EQ(0, SendMessageA(window, WM_SIZE, SIZE_MAXIMIZED, 0));
    EXPECT_TRUE(log.calls.empty());
    EXPECT_TRUE(log.palette_indices.empty());
    EXPECT_EQ(flags, win32_window.flags);
    EXPECT_EQ(0, gfx_context->dirty_rows[0]);
}

} // namespace
