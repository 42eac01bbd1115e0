// What each scancode of a US keyboard means alone and with Shift, Ctrl or Alt.
#pragma once

#include <cstdint>

// The four meanings of one scancode. A value above 255 is an extended code E held as E << 8;
// 255 or less is a character, or 0 for none.
struct KeyTranslationRow {
    uint16_t normal;
    uint16_t shift;
    uint16_t ctrl;
    uint16_t alt;
};

constexpr int KEY_TRANSLATION_ROWS = 89; // scancodes 0 .. 88

// Indexed by scancode.
extern const KeyTranslationRow KEY_TRANSLATION_TABLE[KEY_TRANSLATION_ROWS];
