// Text on the OpenGL screen: a bitmap font of 256 glyphs in a 16 by 16 grid of one texture, drawn
// through one display list per character code at a pen that advances by each glyph's width.
#pragma once

#include <cstdint>

// The font's fixed shape: 256 glyphs, each drawn as a 16 by 16 pixel quad.
constexpr int FONT_GLYPH_COUNT = 256;
constexpr int FONT_CELL_SIZE = 16;

// The size of the metrics file's part that is read: 256 records of 16 bytes.
constexpr int FONT_METRICS_SIZE = 4096;

// One glyph's metrics, stored in the metrics file as four little-endian 32-bit integers.
struct GlyphMetrics {
    int32_t width;    // advance width, in pixels
    int32_t unused_1; // kept as read, not used
    int32_t x_offset; // pixels by which the glyph is drawn to the left of the pen
    int32_t unused_2; // kept as read, not used
};
static_assert(sizeof(GlyphMetrics) == 16);

// A loaded font. The caller provides it (normally all zeros) and sets spacing and monospace.
struct Font {
    GlyphMetrics glyphs[FONT_GLYPH_COUNT]; // per character code
    uint32_t list_base;                    // first of the font's 256 display lists
    uint32_t texture;                      // OpenGL texture name of the glyph sheet
    int32_t spacing;                       // pixels added to every proportional advance
    uint8_t monospace;                     // nonzero: every character advances 16 pixels
};

// Loads the glyph sheet and the metrics, and makes the display lists. Glyph 160's width is always
// 16, whatever the metrics file holds. False when the sheet could not be loaded or the metrics file is missing or shorter
// than 4096 bytes; the glyphs it did not supply keep their values, and the font is still usable.
bool build_font(Font& font, const char* sheet_file, const char* metrics_file);

// Draws text (a zero-terminated byte string) with its first glyph's top-left corner at (x, y),
// glyphs scale * 16 pixels square at depth scale * z.
void print_text(const Font& font, const char* text, int32_t x, int32_t y, int32_t z, float scale);

// Draws text at scale 1 over a half-transparent black shadow one pixel right and down (at depth
// z; the text at z + 1). Leaves the blend function (1, 1 - source alpha) and the colour in force.
void print_text_shadowed(const Font& font, const char* text, int32_t x, int32_t y, int32_t z,
                         uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha);

// The total advance of text in unscaled pixels: where print_text's pen ends at scale 1.
int32_t text_width(const Font& font, const char* text);

// Deletes the font's display lists (not its texture).
void delete_font(Font& font);

// The metrics half of build_font: reads the metrics file's first 4096 bytes into font.glyphs,
// field by field (fields the file does not reach keep their values), then sets glyph 160's width
// to 16. False when the file is missing or shorter than 4096 bytes.
bool read_font_metrics(Font& font, const char* metrics_file);
