// The display-list font's portable half: reading the metrics file and measuring text.
#include <cstdio>

#include "demo/font.h"

namespace {

// The character code whose advance is always 16 pixels, whatever the metrics file says.
constexpr int FIXED_WIDTH_CODE = 160;

// The signed little-endian 32-bit value at p.
int32_t read_i32(const unsigned char* p) {
    return static_cast<int32_t>(static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
                                (static_cast<uint32_t>(p[2]) << 16) |
                                (static_cast<uint32_t>(p[3]) << 24));
}

} // namespace

// Decodes whole 4-byte fields in file order, so a short file changes only the fields it holds.
bool read_font_metrics(Font& font, const char* metrics_file) {
    unsigned char bytes[FONT_METRICS_SIZE];
    std::size_t got = 0;
    if (std::FILE* file = std::fopen(metrics_file, "rb")) {
        got = std::fread(bytes, 1, sizeof bytes, file);
        std::fclose(file);
    }
    for (std::size_t field = 0; (field + 1) * 4 <= got; ++field) {
        GlyphMetrics& glyph = font.glyphs[field / 4];
        int32_t* slots[4] = {&glyph.width, &glyph.unused_1, &glyph.x_offset, &glyph.unused_2};
        *slots[field % 4] = read_i32(bytes + field * 4);
    }
    font.glyphs[FIXED_WIDTH_CODE].width = FONT_CELL_SIZE;
    return got == sizeof bytes;
}

// Sums the advances in 32-bit arithmetic that wraps, as the pen of print_text does.
int32_t text_width(const Font& font, const char* text) {
    uint32_t pen = 0;
    for (const unsigned char* c = reinterpret_cast<const unsigned char*>(text); *c != 0; ++c) {
        pen += font.monospace != 0 ? FONT_CELL_SIZE
                                   : static_cast<uint32_t>(font.glyphs[*c].width) +
                                         static_cast<uint32_t>(font.spacing);
    }
    return static_cast<int32_t>(pen);
}
