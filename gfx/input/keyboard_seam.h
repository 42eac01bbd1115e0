// The platform's keyboard, as the key translation and key-state sampling need it: the real
// keyboard functions on Windows (gfx/win32/win32_keyboard.cpp), a US-layout stand-in elsewhere
// (gfx/input/posix_keyboard.cpp).
#pragma once

#include <cstdint>

constexpr int KEYBOARD_STATE_SIZE = 256;

// The character a virtual key gives without modifiers (upper case for letters), 0 for none;
// the top bit is set for a dead key.
unsigned keyboard_unshifted_char(int vk);

// Fills out with one byte per virtual key (high bit: down). Returns false when the platform
// cannot tell, leaving out undefined.
bool keyboard_state(uint8_t out[KEYBOARD_STATE_SIZE]);

#if !defined(_WIN32)
// Sets the stand-in's keyboard state that keyboard_state reports (tests only).
void keyboard_stub_set_state(const uint8_t state[KEYBOARD_STATE_SIZE]);
#endif
