// A US-layout keyboard standing in for the platform's on systems without one, so that the key
// translation and key-state sampling can be exercised natively.
#include <cstring>

#include "gfx/input/keyboard_seam.h"

namespace {

// A virtual key and the character it gives alone on a US keyboard.
struct UnshiftedChar {
    uint8_t vk;
    uint8_t character;
};

// The keys outside the letters and digits that give a character.
constexpr UnshiftedChar US_UNSHIFTED_CHARS[] = {
    {8, 8},     {9, 9},     {13, 13},   {27, 27},   {32, ' '},   {106, '*'}, {107, '+'},
    {109, '-'}, {110, '.'}, {111, '/'}, {186, ';'}, {187, '='},  {188, ','}, {189, '-'},
    {190, '.'}, {191, '/'}, {192, '`'}, {219, '['}, {220, '\\'}, {221, ']'}, {222, '\''},
};

uint8_t stub_state[KEYBOARD_STATE_SIZE];

} // namespace

// The US-layout character of vk: letters and digits give themselves, the keypad digits their
// digit, the punctuation keys their unshifted symbol; every other key gives 0.
unsigned keyboard_unshifted_char(int vk) {
    if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) {
        return static_cast<unsigned>(vk);
    }
    if (vk >= 96 && vk <= 105) {
        return static_cast<unsigned>('0' + (vk - 96));
    }
    for (const UnshiftedChar& row : US_UNSHIFTED_CHARS) {
        if (row.vk == vk) {
            return row.character;
        }
    }
    return 0;
}

// Reports the state last set with keyboard_stub_set_state (all keys up at start).
bool keyboard_state(uint8_t out[KEYBOARD_STATE_SIZE]) {
    std::memcpy(out, stub_state, KEYBOARD_STATE_SIZE);
    return true;
}

// Replaces the stand-in's keyboard state.
void keyboard_stub_set_state(const uint8_t state[KEYBOARD_STATE_SIZE]) {
    std::memcpy(stub_state, state, KEYBOARD_STATE_SIZE);
}
