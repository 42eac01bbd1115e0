// Turning pressed keys into key codes, with the US-layout stand-in keyboard.
#include <gtest/gtest.h>

#include "gfx/input/input.h"
#include "gfx/input/key_modifiers.h"

namespace {
constexpr int VK_TAB_KEY = 9;
constexpr int VK_SHIFT_KEY = 16;
constexpr int VK_CONTROL_KEY = 17;
constexpr int VK_MENU_KEY = 18;
constexpr int VK_ESCAPE_KEY = 27;
constexpr int VK_UP_KEY = 38;
constexpr int VK_NUMPAD8_KEY = 104;
constexpr int VK_F1_KEY = 112;
constexpr int VK_F4_KEY = 115;
constexpr int VK_F12_KEY = 123;
} // namespace

TEST(TranslateKey, GivesExtendedCodesForKeysWithoutCharacters) {
    EXPECT_EQ(translate_key(0, 59, VK_F1_KEY, 0), 0x3BFF);
    EXPECT_EQ(translate_key(0, 62, VK_F4_KEY, LEFT_ALT_PRESSED), 0x6BFF);
    EXPECT_EQ(translate_key(0, 62, VK_F4_KEY, RIGHT_ALT_PRESSED), CLOSE_KEY_CODE);
    EXPECT_EQ(translate_key(0, 88, VK_F12_KEY, SHIFT_PRESSED), 0x88FF);
    EXPECT_EQ(translate_key(0, 63, VK_F1_KEY + 4, RIGHT_CTRL_PRESSED), 0x62FF);
}

TEST(TranslateKey, TakesAltBeforeCtrlBeforeShift) {
    const uint32_t all = LEFT_ALT_PRESSED | LEFT_CTRL_PRESSED | SHIFT_PRESSED;
    EXPECT_EQ(translate_key(0, 59, VK_F1_KEY, all), 0x68FF);
    EXPECT_EQ(translate_key(0, 59, VK_F1_KEY, LEFT_CTRL_PRESSED | SHIFT_PRESSED), 0x5EFF);
    EXPECT_EQ(translate_key(0, 59, VK_F1_KEY, SHIFT_PRESSED), 0x54FF);
}

TEST(TranslateKey, GivesExtendedCodesForModifiedCharacterKeys) {
    EXPECT_EQ(translate_key(9, 15, VK_TAB_KEY, SHIFT_PRESSED), 0x0FFF);
    EXPECT_EQ(translate_key('a', 30, 'A', LEFT_ALT_PRESSED), 0x1EFF);
    EXPECT_EQ(translate_key('A', 30, 'A', LEFT_ALT_PRESSED | SHIFT_PRESSED), 0x1EFF);
    EXPECT_EQ(translate_key('1', 2, '1', LEFT_ALT_PRESSED), 0x78FF);
    EXPECT_EQ(translate_key('7', 8, '7', LEFT_ALT_PRESSED), 0x82FF);
    EXPECT_EQ(translate_key('=', 13, 187, RIGHT_ALT_PRESSED), 0x83FF);
}

TEST(TranslateKey, PassesPlainCharactersBack) {
    EXPECT_EQ(translate_key('a', 30, 'A', 0), 'a');
    EXPECT_EQ(translate_key('A', 30, 'A', SHIFT_PRESSED), 'A');
    EXPECT_EQ(translate_key(27, 1, VK_ESCAPE_KEY, 0), 27);
    EXPECT_EQ(translate_key(9, 15, VK_TAB_KEY, 0), 9);
    EXPECT_EQ(translate_key('8', 72, VK_NUMPAD8_KEY, 0), '8'); // keypad 8 with Num Lock on
}

TEST(TranslateKey, KeepsACharacterThatIsNotTheKeysOwn) {
    // A layout that gives another character on the A key: no Alt code for it.
    EXPECT_EQ(translate_key(0xE9, 30, 'A', LEFT_ALT_PRESSED), 0xE9);
}

TEST(TranslateKey, UsesTheKeypadMeaningWithoutEnhanced) {
    EXPECT_EQ(translate_key(0, 72, VK_UP_KEY, 0), 0x48FF); // keypad 8 with Num Lock off
    EXPECT_EQ(translate_key(0, 72, VK_UP_KEY, LEFT_CTRL_PRESSED), 0x8DFF);
}

TEST(TranslateKey, UsesTheEnhancedTableForTheSeparateKeys) {
    EXPECT_EQ(translate_key(0, 72, VK_UP_KEY, ENHANCED_KEY | LEFT_CTRL_PRESSED), 0x8DFF);
    EXPECT_EQ(translate_key(0, 72, VK_UP_KEY, ENHANCED_KEY | RIGHT_CTRL_PRESSED), 0x8DFF);
    EXPECT_EQ(translate_key(0, 72, VK_UP_KEY, ENHANCED_KEY | LEFT_ALT_PRESSED), 0x98FF);
    EXPECT_EQ(translate_key(0, 72, VK_UP_KEY, ENHANCED_KEY), 0x48FF);
    EXPECT_EQ(translate_key(0, 0x1C, 13, ENHANCED_KEY | LEFT_ALT_PRESSED), 0xA6FF);
    EXPECT_EQ(translate_key(0, 0x1C, 13, ENHANCED_KEY | LEFT_CTRL_PRESSED), 10);
    EXPECT_EQ(translate_key(0, 0x35, 111, ENHANCED_KEY | SHIFT_PRESSED), '?');
}

TEST(TranslateKey, GivesNothingForLoneModifiers) {
    EXPECT_EQ(translate_key(0, 42, VK_SHIFT_KEY, SHIFT_PRESSED), -1);
    EXPECT_EQ(translate_key(0, 54, VK_SHIFT_KEY, SHIFT_PRESSED), -1);
    EXPECT_EQ(translate_key(0, 29, VK_CONTROL_KEY, LEFT_CTRL_PRESSED), -1);
    EXPECT_EQ(translate_key(0, 56, VK_MENU_KEY, LEFT_ALT_PRESSED), -1);
    // The right-hand Ctrl and Alt keys arrive as enhanced keys.
    EXPECT_EQ(translate_key(0, 29, VK_CONTROL_KEY, ENHANCED_KEY | RIGHT_CTRL_PRESSED), -1);
    EXPECT_EQ(translate_key(0, 56, VK_MENU_KEY, ENHANCED_KEY | RIGHT_ALT_PRESSED), -1);
}

TEST(TranslateKey, StaysInsideItsTablesForAnyScancode) {
    for (int sc : {-1, -1000, 89, 124, 255, 100000}) {
        EXPECT_EQ(translate_key(0, sc, 'A', LEFT_ALT_PRESSED), -1) << sc;
        EXPECT_EQ(translate_key('x', sc, 'X', LEFT_ALT_PRESSED), 'x') << sc;
        EXPECT_EQ(translate_key(0, sc, 0, ENHANCED_KEY), -1) << sc;
    }
}
