#include "glyph_sheet.h"

namespace {

constexpr int CELL = 16;
constexpr int GRID = 16;

// Appends a little-endian 32-bit value.
void put_i32(std::vector<uint8_t>& out, int32_t v) {
    const uint32_t u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<uint8_t>(u >> (8 * i)));
    }
}

} // namespace

// Places glyph c in column c mod 16 and row c div 16 from the top, vertically centred.
GlyphSheet make_glyph_sheet(const uint8_t* glyphs, int height) {
    GlyphSheet out{{CELL * GRID, CELL * GRID, 4, {}}, {}};
    out.sheet.pixels.assign(static_cast<std::size_t>(out.sheet.width) * out.sheet.height * 4, 0);
    const int top = (CELL - height) / 2;
    for (int code = 0; code < GRID * GRID; ++code) {
        int first = 8, last = -1;
        for (int row = 0; row < height; ++row) {
            const uint8_t bits = glyphs[code * height + row];
            for (int col = 0; col < 8; ++col) {
                if (((bits >> col) & 1) == 0) {
                    continue;
                }
                first = first < col ? first : col;
                last = last > col ? last : col;
                const int x = (code % GRID) * CELL + GLYPH_LEFT + col;
                const int y = (code / GRID) * CELL + top + row;
                uint8_t* p =
                    &out.sheet.pixels[(static_cast<std::size_t>(y) * out.sheet.width + x) * 4];
                p[0] = p[1] = p[2] = p[3] = 255;
            }
        }
        const bool blank = last < 0;
        put_i32(out.metrics, blank ? BLANK_ADVANCE : last - first + 2);
        put_i32(out.metrics, 0);
        put_i32(out.metrics, blank ? 0 : GLYPH_LEFT + first);
        put_i32(out.metrics, 0);
    }
    return out;
}
