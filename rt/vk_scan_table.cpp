// The scancode to virtual-key table used to sample key state from the keyboard.
#include "rt/vk_scan_table.h"

// The rows are laid out as a keyboard reads, several to a line.
// clang-format off
const VkScanRow VK_SCAN_TABLE[VK_SCAN_TABLE_ROWS + 1] = {
    {1, 27, 0},     // Escape
    {2, '1', 0},   {3, '2', 0},   {4, '3', 0},   {5, '4', 0},   {6, '5', 0},
    {7, '6', 0},   {8, '7', 0},   {9, '8', 0},   {10, '9', 0},  {11, '0', 0},
    {12, 189, 109}, // - and keypad -
    {13, 187, 0},   // =
    {14, 8, 0},     // Backspace
    {15, 9, 0},     // Tab
    {16, 'Q', 0},  {17, 'W', 0},  {18, 'E', 0},  {19, 'R', 0},  {20, 'T', 0},
    {21, 'Y', 0},  {22, 'U', 0},  {23, 'I', 0},  {24, 'O', 0},  {25, 'P', 0},
    {26, 219, 0},   // [
    {27, 221, 0},   // ]
    {28, 13, 0},    // Enter
    {29, 17, 0},    // Ctrl
    {30, 'A', 0},  {31, 'S', 0},  {32, 'D', 0},  {33, 'F', 0},  {34, 'G', 0},
    {35, 'H', 0},  {36, 'J', 0},  {37, 'K', 0},  {38, 'L', 0},
    {39, 186, 0},   // ;
    {40, 222, 0},   // '
    {41, 192, 0},   // `
    {42, 16, 0},    // left Shift
    {43, 220, 0},   // backslash
    {44, 'Z', 0},  {45, 'X', 0},  {46, 'C', 0},  {47, 'V', 0},  {48, 'B', 0},
    {49, 'N', 0},  {50, 'M', 0},
    {51, 188, 0},   // ,
    {52, 190, 0},   // .
    {53, 191, 111}, // / and keypad /
    {54, 16, 0},    // right Shift
    {55, 106, 0},   // keypad *
    {56, 18, 0},    // Alt
    {57, 32, 0},    // Space
    {58, 20, 0},    // Caps Lock
    {59, 112, 0},  {60, 113, 0},  {61, 114, 0},  {62, 115, 0},  {63, 116, 0},
    {64, 117, 0},  {65, 118, 0},  {66, 119, 0},  {67, 120, 0},  {68, 121, 0}, // F1 .. F10
    {69, 144, 0},   // Num Lock
    {70, 145, 0},   // Scroll Lock
    {71, 36, 103},  // Home, keypad 7
    {72, 38, 104},  // Up, keypad 8
    {73, 33, 105},  // Page Up, keypad 9
    {75, 37, 100},  // Left, keypad 4
    {77, 39, 102},  // Right, keypad 6
    {78, 107, 0},   // keypad +
    {79, 35, 97},   // End, keypad 1
    {80, 40, 98},   // Down, keypad 2
    {81, 34, 99},   // Page Down, keypad 3
    {82, 45, 96},   // Insert, keypad 0
    {83, 46, 110},  // Delete, keypad .
    {87, 122, 0},   // F11
    {88, 123, 0},   // F12
    {125, 91, 0},   // left Windows key
    {126, 92, 0},   // right Windows key
    {127, 93, 0},   // Applications key
    {0, 0, 0},
}; // clang-format on
