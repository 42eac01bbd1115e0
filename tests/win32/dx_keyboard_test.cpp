// The DirectDraw driver's keyboard: its data format against the platform library's own, the
// folding of extended keys, and real key presses from xdotool reaching key_state.
#include "dx_test_support.h"

#include "gfx/drivers/dx_state.h"

namespace {

TEST(DxKeyboardFormat, MatchesThePlatformLibrarysKeyboardFormat) {
    dx_build_keyboard_format();
    const DIDATAFORMAT& ours = dx_keyboard_format.header;
    const DIDATAFORMAT& theirs = c_dfDIKeyboard;
    EXPECT_EQ(theirs.dwSize, ours.dwSize);
    EXPECT_EQ(theirs.dwObjSize, ours.dwObjSize);
    EXPECT_EQ(theirs.dwFlags, ours.dwFlags);
    EXPECT_EQ(theirs.dwDataSize, ours.dwDataSize);
    ASSERT_EQ(theirs.dwNumObjs, ours.dwNumObjs);
    for (DWORD i = 0; i < ours.dwNumObjs; ++i) {
        const DIOBJECTDATAFORMAT& a = ours.rgodf[i];
        const DIOBJECTDATAFORMAT& b = theirs.rgodf[i];
        ASSERT_NE(nullptr, a.pguid);
        ASSERT_NE(nullptr, b.pguid);
        EXPECT_TRUE(IsEqualGUID(*a.pguid, *b.pguid)) << "entry " << i;
        EXPECT_EQ(b.dwOfs, a.dwOfs) << "entry " << i;
        EXPECT_EQ(b.dwType, a.dwType) << "entry " << i;
        EXPECT_EQ(b.dwFlags, a.dwFlags) << "entry " << i;
    }
}

TEST(DxKeyboardFold, EveryByteAndItsExtendedTwinAgainstAPlainReading) {
    uint8_t buffer[256];
    uint8_t state[128];
    uint32_t seed = 12345;
    for (int round = 0; round < 50; ++round) {
        for (uint8_t& b : buffer) {
            seed = seed * 1103515245u + 12345u;
            b = static_cast<uint8_t>(seed >> 16);
        }
        std::memset(state, 0xEE, sizeof state);
        dx_fold_key_state(buffer, state);
        for (int i = 0; i < 128; ++i) {
            const bool down = buffer[i] >= 0x80 || buffer[i + 128] >= 0x80;
            ASSERT_EQ(down ? 1 : 0, state[i]) << "scancode " << i << " round " << round;
        }
    }
    std::memset(buffer, 0x7F, sizeof buffer); // low bits alone mean up
    dx_fold_key_state(buffer, state);
    for (uint8_t s : state) {
        ASSERT_EQ(0, s);
    }
}

// A DirectDraw screen with the X focus on its window, for key presses from xdotool.
class DxRealKeys : public DxScreenTest {
protected:
    void SetUp() override {
        DxScreenTest::SetUp();
        set_test_title("qzgfx dx keys");
        ASSERT_EQ(0, gfx_screen_res(320, 200, 32, 0, 0, 0));
        expect_directx();
        ASSERT_EQ(0, run_unix("xdotool search --sync --name 'qzgfx dx keys' windowfocus --sync"));
        Sleep(200);
    }

    // key_state byte i, read under the lock.
    static int key_down(int scancode) {
        GfxLockGuard lock(gfx_context);
        return gfx_context->key_state[scancode];
    }

    // Polls key_state byte i until it equals want (up to three seconds); returns the last value.
    static int wait_key(int scancode, int want) {
        int value = key_down(scancode);
        for (int i = 0; i < 300 && value != want; ++i) {
            Sleep(10);
            value = key_down(scancode);
        }
        return value;
    }
};

TEST_F(DxRealKeys, TheRightControlKeySetsByte29WhileHeld) {
    ASSERT_EQ(0, wait_key(29, 0));
    ASSERT_EQ(0, run_unix("xdotool keydown Control_R"));
    EXPECT_EQ(1, wait_key(29, 1));
    ASSERT_EQ(0, run_unix("xdotool keyup Control_R"));
    EXPECT_EQ(0, wait_key(29, 0));
}

// The window procedure clears key_state on every activation change; a key held across one must read
// as down again once the application is active, without waiting for another key to change.
TEST_F(DxRealKeys, AKeyHeldAcrossAnActivationChangeReadsAsDownAgain) {
    ASSERT_EQ(0, run_unix("xdotool keydown Control_R"));
    EXPECT_EQ(1, wait_key(29, 1));
    SendMessageA(win32_window.hwnd, WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_EQ(0, key_down(29));
    SendMessageA(win32_window.hwnd, WM_ACTIVATEAPP, TRUE, 0);
    EXPECT_EQ(1, wait_key(29, 1)) << "the held key reads as up after the application came back";
    ASSERT_EQ(0, run_unix("xdotool keyup Control_R"));
    EXPECT_EQ(0, wait_key(29, 0));
}

TEST_F(DxRealKeys, TheSeparateCursorKeysSetTheKeypadsScancodes) {
    const struct {
        const char* key;
        int scancode;
    } keys[] = {{"Up", 72}, {"Left", 75}, {"Right", 77}, {"Down", 80}};
    for (const auto& k : keys) {
        ASSERT_EQ(0, run_unix(std::string("xdotool keydown ") + k.key));
        EXPECT_EQ(1, wait_key(k.scancode, 1)) << k.key;
        for (const auto& other : keys) {
            if (other.scancode != k.scancode) {
                EXPECT_EQ(0, key_down(other.scancode)) << k.key;
            }
        }
        ASSERT_EQ(0, run_unix(std::string("xdotool keyup ") + k.key));
        EXPECT_EQ(0, wait_key(k.scancode, 0)) << k.key;
    }
}

} // namespace
