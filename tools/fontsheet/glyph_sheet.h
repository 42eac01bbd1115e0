// The display-list font's data, drawn from the library's built-in 8 x 16 font.
#pragma once

#include <cstdint>
#include <vector>

#include "tga_write.h"

// The sheet and metrics made from one 8-pixel-wide font.
struct GlyphSheet {
    Image sheet;                  // 256 x 256 RGBA, 16 x 16 cells of 16 x 16 pixels
    std::vector<uint8_t> metrics; // 4096 bytes: per code width, 0, x_offset, 0 (little-endian)
};

// Column of a cell at which the 8-pixel glyph starts: glyphs sit in the middle of their cells.
constexpr int GLYPH_LEFT = 4;

// Advance of a glyph without ink (the space and the blanks).
constexpr int BLANK_ADVANCE = 5;

// Draws each glyph in white with alpha of its ink (premultiplied: colour equals alpha) and gives
// it a proportional width: its ink columns plus one column of gap, drawn from its first ink
// column. glyphs holds 256 glyphs of `height` rows, bit 0 the leftmost pixel.
GlyphSheet make_glyph_sheet(const uint8_t* glyphs, int height);
