// The four built-in palettes, built from their rules as 8-bit red, green, blue triplets.
#include "palettes.h"

namespace {

// Scales a 6-bit colour level to the full 8-bit range.
uint8_t level8(int v) { return static_cast<uint8_t>(v * 255 / 63); }

// The five levels of each of the nine colour groups of the 256-colour palette.
constexpr int GROUP_LEVELS[9][5] = {
    {0, 16, 31, 47, 63}, {31, 39, 47, 55, 63}, {45, 49, 54, 58, 63},
    {0, 7, 14, 21, 28},  {14, 17, 21, 24, 28}, {20, 22, 24, 26, 28},
    {0, 4, 8, 12, 16},   {8, 10, 12, 14, 16},  {11, 12, 13, 15, 16},
};

// The 24 colours of a group as (red, green, blue) indices into its five levels: a walk round
// the colour wheel from blue through red and green back to blue.
constexpr int GROUP_WHEEL[24][3] = {
    {0, 0, 4}, {1, 0, 4}, {2, 0, 4}, {3, 0, 4}, {4, 0, 4}, {4, 0, 3}, {4, 0, 2}, {4, 0, 1},
    {4, 0, 0}, {4, 1, 0}, {4, 2, 0}, {4, 3, 0}, {4, 4, 0}, {3, 4, 0}, {2, 4, 0}, {1, 4, 0},
    {0, 4, 0}, {0, 4, 1}, {0, 4, 2}, {0, 4, 3}, {0, 4, 4}, {0, 3, 4}, {0, 2, 4}, {0, 1, 4},
};

// The 6-bit levels of the sixteen greys that follow the first sixteen colours.
constexpr int GREY_LEVELS[16] = {0, 5, 8, 11, 14, 17, 20, 24, 28, 32, 36, 40, 45, 50, 56, 63};

} // namespace

// Black and white.
std::vector<uint8_t> make_palette_2() { return {0, 0, 0, 255, 255, 255}; }

// The sixteen colours of the classic colour text modes.
std::vector<uint8_t> make_palette_16() {
    return {
        0,   0,  0,  0,   0,  170, 0,   170, 0,  0,   170, 170, // black, blue, green, cyan
        170, 0,  0,  170, 0,  170, 170, 85,  0,  170, 170, 170, // red, magenta, brown, grey
        85,  85, 85, 85,  85, 255, 85,  255, 85, 85,  255, 255, // the bright eight
        255, 85, 85, 255, 85, 255, 255, 255, 85, 255, 255, 255,
    };
}

// Entry i: red 170 * bit 2 + 85 * bit 5, green 170 * bit 1 + 85 * bit 4, blue 170 * bit 0 +
// 85 * bit 3.
std::vector<uint8_t> make_palette_64() {
    std::vector<uint8_t> p;
    for (int i = 0; i < 64; ++i) {
        p.push_back(static_cast<uint8_t>(170 * ((i >> 2) & 1) + 85 * ((i >> 5) & 1)));
        p.push_back(static_cast<uint8_t>(170 * ((i >> 1) & 1) + 85 * ((i >> 4) & 1)));
        p.push_back(static_cast<uint8_t>(170 * (i & 1) + 85 * ((i >> 3) & 1)));
    }
    return p;
}

// The sixteen colours, sixteen greys, nine groups of 24 colours, then eight blacks.
std::vector<uint8_t> make_palette_256() {
    std::vector<uint8_t> p = make_palette_16();
    for (int level : GREY_LEVELS) {
        p.insert(p.end(), 3, level8(level));
    }
    for (const auto& levels : GROUP_LEVELS) {
        for (const auto& rgb : GROUP_WHEEL) {
            for (int channel : rgb) {
                p.push_back(level8(levels[channel]));
            }
        }
    }
    p.insert(p.end(), 8 * 3, 0);
    return p;
}
