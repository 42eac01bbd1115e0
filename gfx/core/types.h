// Plain records shared by every part of the graphics library.
#pragma once

#include <cstdint>

#include "qzgfx.h"

// One character position of a text page: what was printed there and in which colours.
struct TextCell {
    uint32_t code;       // character code, an unsigned 16-bit value
    uint32_t foreground; // colour in the screen's native form
    uint32_t background;
};

// A built-in palette: count colours as 8-bit red, green, blue triplets.
struct PaletteInfo {
    int count; // 2, 16, 64 or 256
    const uint8_t* colours;
};

// A built-in bitmap font: 256 glyphs of `height` rows, one byte per row, bit 0 the leftmost pixel.
struct FontInfo {
    int width;  // 8 for every built-in font
    int height; // 8, 14 or 16
    const uint8_t* glyphs;
};

// One row of the numbered mode table (or the row built for a screen opened by size).
struct ScreenModeInfo {
    int width; // -1 marks a mode number that does not exist
    int height;
    int depth;
    int scanline_size; // each framebuffer row is shown this many times (1 or 2)
    const PaletteInfo* palette;
    const FontInfo* font;
    int text_w;
    int text_h;
};

// ImageBuffer, the header of an image drawing can be redirected into, is qzgfx.h's.

// The screen flags (SCREEN_FULLSCREEN ... SCREEN_NULL) are qzgfx.h's; this one is the library's.
constexpr int SCREEN_CLOSING = static_cast<int>(0x80000000u); // used by the exit hook only

// Markers for arguments a statement left out.
constexpr int COORD_OMITTED = -32768;
constexpr uint32_t COLOUR_NONE = 0xFEFF00FFu;
