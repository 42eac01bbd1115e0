// The expanded built-in fonts and palettes and the descriptors that point into them.
#include "gfx/core/builtin_data.h"

uint8_t builtin_data[BUILTIN_DATA_SIZE] = {};

const FontInfo FONT_8X8 = {8, 8, builtin_data + 0};
const FontInfo FONT_8X14 = {8, 14, builtin_data + 2048};
const FontInfo FONT_8X16 = {8, 16, builtin_data + 5632};
const PaletteInfo PALETTE_2 = {2, builtin_data + 9728};
const PaletteInfo PALETTE_16 = {16, builtin_data + 9734};
const PaletteInfo PALETTE_64 = {64, builtin_data + 9782};
const PaletteInfo PALETTE_256 = {256, builtin_data + 9974};

// The three fonts differ in height alone.
const FontInfo* builtin_font(int height) {
    switch (height) {
    case 8:
        return &FONT_8X8;
    case 14:
        return &FONT_8X14;
    case 16:
        return &FONT_8X16;
    default:
        return nullptr;
    }
}

// Expands the packed block once per process, so every later mode set finds the data in place.
int decode_builtin_data() {
    static bool decoded = false;
    static int result = -1;
    if (!decoded) {
        size_t length = BUILTIN_DATA_SIZE;
        result = lzw_decode(BUILTIN_DATA_PACKED, BUILTIN_DATA_PACKED_SIZE, builtin_data, &length);
        if (result == 0 && length != BUILTIN_DATA_SIZE) {
            result = -1;
        }
        decoded = true;
    }
    return result;
}
