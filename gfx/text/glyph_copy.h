// Copying glyphs already drawn in pixels into the drawing target, a whole glyph row at a time.
#pragma once

#include <cstddef>
#include <cstdint>

// Glyphs already drawn in pixels: the block of character code starts at pixels + code *
// block_bytes and holds its rows of 8 pixels one after another.
struct GlyphBlocks {
    const uint8_t* pixels;
    size_t block_bytes;
};

// Copies the blocks of count character codes side by side from dest on, into rows stride bytes
// apart. Heights 8, 14 and 16 and pixel sizes 1, 2 and 4 bytes are copied; returns false,
// copying nothing, for anything else.
bool glyph_copy(uint8_t* dest, size_t stride, GlyphBlocks blocks, const uint8_t* codes, int count,
                int height, int pixel_bytes);
