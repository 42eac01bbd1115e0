// Plain records shared by every part of the graphics library.
#pragma once

#include <cstdint>

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

// An image that drawing can be redirected into: a header of two 16-bit fields, then the rows.
// The public header qzgfx.h defines the same record under the same guard.
#ifndef QZGFX_IMAGE_BUFFER_DEFINED
#define QZGFX_IMAGE_BUFFER_DEFINED
struct ImageBuffer {
    int16_t width;  // width in pixels times 8
    int16_t height; // rows
    // the pixel rows follow, width * bytes_per_pixel bytes each, without padding
    uint8_t* data() { return reinterpret_cast<uint8_t*>(this + 1); }
};
#endif

// Screen flags taken by gfx_screen and gfx_screen_res. The public header qzgfx.h defines the same
// block under the same guard, so a program may include both.
#ifndef QZGFX_SCREEN_FLAGS_DEFINED
#define QZGFX_SCREEN_FLAGS_DEFINED
constexpr int SCREEN_FULLSCREEN = 0x1;
constexpr int SCREEN_OPENGL = 0x2;
constexpr int SCREEN_NO_SWITCH = 0x4;
constexpr int SCREEN_STENCIL_BUFFER = 0x10;
constexpr int SCREEN_ACCUM_BUFFER = 0x20;
constexpr int SCREEN_NULL = -1;                                   // a framebuffer and no window
#endif
constexpr int SCREEN_CLOSING = static_cast<int>(0x80000000u);    // used by the exit hook only

// Markers for arguments a statement left out.
constexpr int COORD_OMITTED = -32768;
constexpr uint32_t COLOUR_NONE = 0xFEFF00FFu;
