// Key translation and key-state sampling with the system's own keyboard functions.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "gfx/core/context.h"
#include "gfx/input/input.h"
#include "gfx/input/key_modifiers.h"

TEST(Win32TranslateKey, GivesTheCodesOfTheUsKeyboard) {
    EXPECT_EQ(translate_key(0, 59, VK_F1, 0), 0x3BFF);
    EXPECT_EQ(translate_key(9, 15, VK_TAB, SHIFT_PRESSED), 0x0FFF);
    EXPECT_EQ(translate_key('a', 30, 'A', LEFT_ALT_PRESSED), 0x1EFF);
    EXPECT_EQ(translate_key(0, 62, VK_F4, LEFT_ALT_PRESSED), CLOSE_KEY_CODE);
    EXPECT_EQ(translate_key(0, 72, VK_UP, ENHANCED_KEY | LEFT_CTRL_PRESSED), 0x8DFF);
    EXPECT_EQ(translate_key(0, 72, VK_UP, 0), 0x48FF); // keypad 8 with Num Lock off
}

TEST(Win32TranslateKey, GivesNothingForLoneModifiers) {
    EXPECT_EQ(translate_key(0, 42, VK_SHIFT, SHIFT_PRESSED), -1);
    EXPECT_EQ(translate_key(0, 29, VK_CONTROL, LEFT_CTRL_PRESSED), -1);
    EXPECT_EQ(translate_key(0, 56, VK_MENU, LEFT_ALT_PRESSED), -1);
    EXPECT_EQ(translate_key(0, 29, VK_CONTROL, ENHANCED_KEY | RIGHT_CTRL_PRESSED), -1);
}

TEST(Win32TranslateKey, PassesCharactersBack) {
    EXPECT_EQ(translate_key('a', 30, 'A', 0), 'a');
    EXPECT_EQ(translate_key(27, 1, VK_ESCAPE, 0), 27);
    EXPECT_EQ(translate_key(' ', 57, VK_SPACE, 0), ' ');
}

namespace {
void no_lock() {}
void no_palette(int, int, int, int) {}
const GfxDriver SAMPLE_DRIVER = {"Sample", nullptr, nullptr, no_lock, no_lock, no_palette, nullptr,
                                 nullptr,  nullptr, nullptr, nullptr, nullptr, nullptr};
} // namespace

TEST(Win32SampleKeyState, ReadsTheThreadsKeyboardState) {
    BYTE saved[256];
    ASSERT_TRUE(GetKeyboardState(saved));
    BYTE keys[256] = {};
    keys[VK_SHIFT] = 0x80;
    keys[VK_NUMPAD8] = 0x80;
    keys[static_cast<unsigned char>('R')] = 0x01; // toggled, not down
    ASSERT_TRUE(SetKeyboardState(keys));

    uint8_t key_state[128] = {};
    key_state[19] = 1;
    GfxContext ctx;
    std::memset(&ctx, 0, sizeof ctx);
    ctx.driver = &SAMPLE_DRIVER;
    ctx.key_state = key_state;
    GfxContext* previous = gfx_context;
    gfx_context = &ctx;
    sample_key_state();
    EXPECT_EQ(gfx_multikey(42), -1);
    EXPECT_EQ(gfx_multikey(54), -1);
    EXPECT_EQ(gfx_multikey(72), -1);
    EXPECT_EQ(gfx_multikey(19), 0);
    EXPECT_EQ(gfx_multikey(1), 0);
    gfx_context = previous;
    SetKeyboardState(saved);
}
