// The numbered screen modes: size, depth, vertical scale, palette, font and text size of each.
#include "gfx/core/modes.h"

#include "gfx/core/builtin_data.h"

namespace {
constexpr ScreenModeInfo NO_MODE = {-1, -1, 0, 0, nullptr, nullptr, 0, 0};
}

const ScreenModeInfo MODE_TABLE[MODE_COUNT] = {
    NO_MODE,                                               // 0 closes the screen
    {320, 200, 2, 1, &PALETTE_16, &FONT_8X8, 40, 25},      // 1
    {640, 200, 1, 2, &PALETTE_16, &FONT_8X8, 80, 25},      // 2
    NO_MODE,                                               // 3
    NO_MODE,                                               // 4
    NO_MODE,                                               // 5
    NO_MODE,                                               // 6
    {320, 200, 4, 1, &PALETTE_16, &FONT_8X8, 40, 25},      // 7
    {640, 200, 4, 2, &PALETTE_16, &FONT_8X8, 80, 25},      // 8
    {640, 350, 4, 1, &PALETTE_64, &FONT_8X14, 80, 25},     // 9
    {640, 350, 1, 1, &PALETTE_2, &FONT_8X14, 80, 25},      // 10
    {640, 480, 1, 1, &PALETTE_2, &FONT_8X16, 80, 30},      // 11
    {640, 480, 4, 1, &PALETTE_256, &FONT_8X16, 80, 30},    // 12
    {320, 200, 8, 1, &PALETTE_256, &FONT_8X8, 40, 25},     // 13
    {320, 240, 8, 1, &PALETTE_256, &FONT_8X8, 40, 30},     // 14
    {400, 300, 8, 1, &PALETTE_256, &FONT_8X8, 50, 37},     // 15
    {512, 384, 8, 1, &PALETTE_256, &FONT_8X16, 64, 24},    // 16
    {640, 400, 8, 1, &PALETTE_256, &FONT_8X16, 80, 25},    // 17
    {640, 480, 8, 1, &PALETTE_256, &FONT_8X16, 80, 30},    // 18
    {800, 600, 8, 1, &PALETTE_256, &FONT_8X16, 100, 37},   // 19
    {1024, 768, 8, 1, &PALETTE_256, &FONT_8X16, 128, 48},  // 20
    {1280, 1024, 8, 1, &PALETTE_256, &FONT_8X16, 160, 64}, // 21
};
