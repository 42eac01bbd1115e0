// Turning a pressed key (character, scancode, virtual key, modifiers) into a key code.
#include <cctype>

#include "gfx/input/enhanced_key_table.h"
#include "gfx/input/input.h"
#include "gfx/input/key_translation_table.h"
#include "gfx/input/keyboard_seam.h"
#include "gfx/input/key_modifiers.h"

namespace {

// The buffer's form of a table value: a character stays, an extended code E << 8 becomes
// (E << 8) | 0xFF.
int key_code_of(unsigned value) {
    return value <= 255 ? static_cast<int>(value) : static_cast<int>((value & 0xFF00) | 0xFF);
}

// The enhanced-key value for scancode under the modifiers, or -1 when the key has none.
int translate_enhanced(int scancode, uint32_t state) {
    for (const EnhancedKeyRow& row : ENHANCED_KEY_TABLE) {
        if (row.scancode != scancode) {
            continue;
        }
        unsigned value = row.normal;
        if (state & KEY_ALT_PRESSED) {
            value = row.alt;
        } else if (state & KEY_CTRL_PRESSED) {
            value = row.ctrl;
        } else if (state & SHIFT_PRESSED) {
            value = row.shift;
        }
        return value == 0 ? -1 : key_code_of(value);
    }
    return -1;
}

// The other case of character u, as the C library classifies it; u itself when it has none.
unsigned other_case(unsigned u) {
    if (u > 255) {
        return u;
    }
    const int c = static_cast<int>(u);
    if (std::isupper(c)) {
        return static_cast<unsigned>(std::tolower(c));
    }
    if (std::islower(c)) {
        return static_cast<unsigned>(std::toupper(c));
    }
    return u;
}

} // namespace

// An extended key code when the key (with its modifiers) has one and the character it produced
// is the key's own; otherwise the character, or -1 when there is none.
int translate_key(int character, int scancode, int virtual_key, uint32_t control_state) {
    if (character == 0 && (control_state & ENHANCED_KEY)) {
        return translate_enhanced(scancode, control_state);
    }
    if (scancode >= 0 && scancode < KEY_TRANSLATION_ROWS) {
        const KeyTranslationRow& row = KEY_TRANSLATION_TABLE[scancode];
        const unsigned u = keyboard_unshifted_char(virtual_key) & 0xFFFF;
        const unsigned other = other_case(u);
        unsigned candidate;
        if (control_state & KEY_ALT_PRESSED) {
            candidate = row.alt;
        } else if (control_state & KEY_CTRL_PRESSED) {
            candidate = row.ctrl;
        } else if (control_state & SHIFT_PRESSED) {
            candidate = row.shift;
        } else if (character != 0) {
            candidate = u;
        } else {
            candidate = row.normal;
        }
        const unsigned ch = static_cast<unsigned>(character);
        if (candidate > 255 && (ch == u || ch == other)) {
            return key_code_of(candidate);
        }
    }
    return character != 0 ? character : -1;
}
