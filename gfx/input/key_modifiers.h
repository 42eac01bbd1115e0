// The modifier bits that translate_key takes, with the values of the Win32 console's
// control-key flags. Windows headers define the same names as macros of the same values, so
// the constants are declared only where those macros are absent.
#pragma once

#include <cstdint>

#if !defined(RIGHT_ALT_PRESSED)
constexpr uint32_t RIGHT_ALT_PRESSED = 0x1;
constexpr uint32_t LEFT_ALT_PRESSED = 0x2;
constexpr uint32_t RIGHT_CTRL_PRESSED = 0x4;
constexpr uint32_t LEFT_CTRL_PRESSED = 0x8;
constexpr uint32_t SHIFT_PRESSED = 0x10;
constexpr uint32_t ENHANCED_KEY = 0x100;
#endif

// Either Alt key, either Ctrl key.
constexpr uint32_t KEY_ALT_PRESSED = RIGHT_ALT_PRESSED | LEFT_ALT_PRESSED;
constexpr uint32_t KEY_CTRL_PRESSED = RIGHT_CTRL_PRESSED | LEFT_CTRL_PRESSED;
