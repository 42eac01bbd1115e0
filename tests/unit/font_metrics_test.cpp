// The display-list font's metrics file, its measuring of text, and the committed font data checked
// against the built-in 8 x 16 font it was drawn from.
#include <gtest/gtest.h>

#include <cstdlib>

#include "demo/font.h"
#include "gfx/core/builtin_data.h"
#include "tests/unit/texture_test_files.h"

namespace {

constexpr const char* SHEET = "resources/font/font.tga";
constexpr const char* METRICS = "resources/font/font.metrics";

// A metrics file whose glyph c has width c % 13 + 1 and x_offset c % 5, cut to `size` bytes.
Bytes metrics_bytes(std::size_t size) {
    Bytes b;
    for (uint32_t c = 0; c < 256; ++c) {
        put_le(b, c % 13 + 1, 4);
        put_le(b, 0xA0000000u + c, 4);
        put_le(b, c % 5, 4);
        put_le(b, 0xFFFFFFF0u, 4);
    }
    b.resize(size);
    return b;
}

// A font whose every field is 99 (or -99), to see which ones a read changes.
Font marked_font() {
    Font f{};
    for (GlyphMetrics& g : f.glyphs) {
        g = {99, 99, -99, 99};
    }
    return f;
}

TEST(FontMetrics, AWholeFileSetsEveryGlyphAndCode160AdvancesSixteen) {
    TempFile file("font.metrics", metrics_bytes(4096 + 10));
    Font f = marked_font();
    EXPECT_TRUE(read_font_metrics(f, file.name()));
    for (int c = 0; c < 256; ++c) {
        EXPECT_EQ(f.glyphs[c].width, c == 160 ? 16 : c % 13 + 1) << c;
        EXPECT_EQ(f.glyphs[c].x_offset, c % 5) << c;
        EXPECT_EQ(f.glyphs[c].unused_2, -16) << c;
    }
}

TEST(FontMetrics, AShortOrMissingFileIsReportedAndKeepsWhatItDidNotSupply) {
    TempFile file("short.metrics", metrics_bytes(16 * 3 + 6)); // glyphs 0-2 and glyph 3's width
    Font f = marked_font();
    EXPECT_FALSE(read_font_metrics(f, file.name()));
    EXPECT_EQ(f.glyphs[2].width, 3);
    EXPECT_EQ(f.glyphs[2].x_offset, 2);
    EXPECT_EQ(f.glyphs[3].width, 4);
    EXPECT_EQ(f.glyphs[3].unused_1, 99) << "a field the file holds only part of is kept";
    EXPECT_EQ(f.glyphs[3].x_offset, -99);
    EXPECT_EQ(f.glyphs[200].width, 99);
    EXPECT_EQ(f.glyphs[160].width, 16);

    Font g = marked_font();
    EXPECT_FALSE(read_font_metrics(g, "no/such/dir/font.metrics"));
    EXPECT_EQ(g.glyphs[0].width, 99);
    EXPECT_EQ(g.glyphs[160].width, 16);
}

TEST(FontMetrics, TextWidthAddsSpacingToProportionalAdvancesOnly) {
    Font f{};
    f.glyphs[static_cast<unsigned char>('A')].width = 9;
    f.glyphs[static_cast<unsigned char>('i')].width = 3;
    f.glyphs[160].width = 16;
    EXPECT_EQ(text_width(f, ""), 0);
    EXPECT_EQ(text_width(f, "AiA"), 21);
    f.spacing = -2;
    EXPECT_EQ(text_width(f, "AiA"), 15);
    EXPECT_EQ(text_width(f, "\xA0"), 14) << "code 160 takes spacing like any other";
    f.monospace = 1;
    EXPECT_EQ(text_width(f, "AiA\xA0"), 64);
}

// The committed sheet, read back with the project's TGA reader, shows exactly the built-in font's
// ink in each cell, and each glyph's metrics span that ink plus one column.
TEST(FontData, TheCommittedSheetAndMetricsMatchTheBuiltInFont) {
    ASSERT_EQ(0, decode_builtin_data());
    Texture sheet{};
    ASSERT_TRUE(read_tga(sheet, SHEET));
    ASSERT_EQ(sheet.width, 256);
    ASSERT_EQ(sheet.height, 256);
    ASSERT_EQ(sheet.bpp, 32);
    Font f{};
    ASSERT_TRUE(read_font_metrics(f, METRICS));
    for (int c = 0; c < 256; ++c) {
        int first = 99, last = -1;
        for (int y = 0; y < 16; ++y) {
            // the buffer's first row is the picture's bottom row
            const int buffer_row = 255 - ((c / 16) * 16 + y);
            const uint8_t bits = FONT_8X16.glyphs[c * 16 + y];
            for (int x = 0; x < 16; ++x) {
                const uint8_t* p = sheet.pixels + (buffer_row * 256 + (c % 16) * 16 + x) * 4;
                const bool ink = x >= 4 && x < 12 && ((bits >> (x - 4)) & 1) != 0;
                ASSERT_EQ(ink ? 255 : 0, p[3]) << "glyph " << c << " at " << x << "," << y;
                ASSERT_EQ(p[0], p[3]) << "colour is premultiplied";
                if (ink) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
            }
        }
        if (c == 160) {
            EXPECT_EQ(f.glyphs[c].width, 16);
        } else if (last < 0) {
            EXPECT_EQ(f.glyphs[c].width, 5) << c;
        } else {
            EXPECT_EQ(f.glyphs[c].x_offset, first) << c;
            EXPECT_EQ(f.glyphs[c].width, last - first + 2) << c;
        }
    }
    std::free(sheet.pixels);
}

} // namespace
