// The meanings of the keys outside the main block that share scancodes with keypad keys.
#pragma once

#include <cstdint>

// One enhanced key: its scancode and its normal, Shift, Ctrl and Alt values (as in
// KEY_TRANSLATION_TABLE: above 255 an extended code E << 8, else a character).
struct EnhancedKeyRow {
    uint16_t scancode;
    uint16_t normal;
    uint16_t shift;
    uint16_t ctrl;
    uint16_t alt;
};

constexpr int ENHANCED_KEY_ROWS = 12;

// Searched in order by scancode.
extern const EnhancedKeyRow ENHANCED_KEY_TABLE[ENHANCED_KEY_ROWS];
