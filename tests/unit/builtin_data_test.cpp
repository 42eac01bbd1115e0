// The built-in fonts and palettes: the packed block, the descriptors, recognisable code page 437
// glyphs and the palette rules.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "gfx/core/builtin_data.h"

namespace {

// The library's data, decoded (once per process) before a case looks at it.
class BuiltinData : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(decode_builtin_data(), 0); }
};

// Row r of glyph c of font.
uint8_t row(const FontInfo& font, int c, int r) { return font.glyphs[c * font.height + r]; }

// Colour channel ch (0 red, 1 green, 2 blue) of entry i of palette.
int channel(const PaletteInfo& palette, int i, int ch) { return palette.colours[i * 3 + ch]; }

// The 8-bit value of a 6-bit colour level.
int level8(int v) { return v * 255 / 63; }

const FontInfo* const FONTS[] = {&FONT_8X8, &FONT_8X14, &FONT_8X16};

} // namespace

TEST(BuiltinPacked, DecodesToExactlyTheDataBlock) {
    std::vector<uint8_t> out(BUILTIN_DATA_SIZE + 100, 0xEE);
    size_t length = out.size();
    EXPECT_EQ(lzw_decode(BUILTIN_DATA_PACKED, BUILTIN_DATA_PACKED_SIZE, out.data(), &length), 0);
    EXPECT_EQ(length, BUILTIN_DATA_SIZE);
    EXPECT_EQ(out[BUILTIN_DATA_SIZE], 0xEE);

    // The block's last code is the end code, so nothing follows it.
    size_t codes = BUILTIN_DATA_PACKED_SIZE * 2 / 3;
    size_t k = codes - 1;
    unsigned last =
        (k % 2 == 0)
            ? BUILTIN_DATA_PACKED[3 * k / 2] | (BUILTIN_DATA_PACKED[3 * k / 2 + 1] & 0x0Fu) << 8
            : (BUILTIN_DATA_PACKED[(3 * k - 1) / 2] >> 4) |
                  static_cast<unsigned>(BUILTIN_DATA_PACKED[(3 * k + 1) / 2]) << 4;
    EXPECT_EQ(last, 4095u);
}

TEST_F(BuiltinData, DecodesOnceAndMatchesThePackedBlock) {
    EXPECT_EQ(decode_builtin_data(), 0);
    std::vector<uint8_t> out(BUILTIN_DATA_SIZE);
    size_t length = out.size();
    ASSERT_EQ(lzw_decode(BUILTIN_DATA_PACKED, BUILTIN_DATA_PACKED_SIZE, out.data(), &length), 0);
    EXPECT_EQ(out, std::vector<uint8_t>(builtin_data, builtin_data + BUILTIN_DATA_SIZE));
    EXPECT_EQ(length, BUILTIN_DATA_SIZE);
}

TEST_F(BuiltinData, DescriptorsPointIntoTheBlock) {
    EXPECT_EQ(FONT_8X8.width, 8);
    EXPECT_EQ(FONT_8X8.height, 8);
    EXPECT_EQ(FONT_8X8.glyphs, builtin_data);
    EXPECT_EQ(FONT_8X14.height, 14);
    EXPECT_EQ(FONT_8X14.glyphs, builtin_data + 2048);
    EXPECT_EQ(FONT_8X16.height, 16);
    EXPECT_EQ(FONT_8X16.glyphs, builtin_data + 5632);
    EXPECT_EQ(PALETTE_2.count, 2);
    EXPECT_EQ(PALETTE_2.colours, builtin_data + 9728);
    EXPECT_EQ(PALETTE_16.count, 16);
    EXPECT_EQ(PALETTE_16.colours, builtin_data + 9734);
    EXPECT_EQ(PALETTE_64.count, 64);
    EXPECT_EQ(PALETTE_64.colours, builtin_data + 9782);
    EXPECT_EQ(PALETTE_256.count, 256);
    EXPECT_EQ(PALETTE_256.colours, builtin_data + 9974);
    EXPECT_EQ(PALETTE_256.colours + 256 * 3, builtin_data + BUILTIN_DATA_SIZE);
}

TEST_F(BuiltinData, Font8x16CapitalAHasItsRowsLeftmostPixelInBitZero) {
    const uint8_t expected[16] = {0x00, 0x00, 0x08, 0x1C, 0x36, 0x63, 0x63, 0x7F,
                                  0x63, 0x63, 0x63, 0x63, 0x00, 0x00, 0x00, 0x00};
    for (int r = 0; r < 16; ++r) {
        EXPECT_EQ(row(FONT_8X16, 'A', r), expected[r]) << "row " << r;
    }
}

TEST_F(BuiltinData, FontsHoldCodePage437Glyphs) {
    for (const FontInfo* font : FONTS) {
        SCOPED_TRACE(font->height);
        int shade_bits = 0;
        int face_bits = 0;
        for (int r = 0; r < font->height; ++r) {
            EXPECT_EQ(row(*font, 0, r), 0);       // glyph 0 blank
            EXPECT_EQ(row(*font, ' ', r), 0);     // space blank
            EXPECT_EQ(row(*font, 0xDB, r), 0xFF); // full block
            EXPECT_NE(row(*font, 0xB2, r), 0xFF); // dark shade is not solid
            shade_bits += __builtin_popcount(row(*font, 0xB0, r));
            face_bits += __builtin_popcount(row(*font, 0x01, r));
        }
        EXPECT_GT(shade_bits, 0);
        EXPECT_LT(shade_bits, 8 * font->height / 2); // light shade: under half the pixels
        EXPECT_GT(face_bits, 0);
        // The half blocks show the bit order: bits 0..3 are the left half of the cell.
        EXPECT_EQ(row(*font, 0xDD, font->height / 2), 0x0F);
        EXPECT_EQ(row(*font, 0xDE, font->height / 2), 0xF0);
        // Lower half block: blank top row, solid bottom row.
        EXPECT_EQ(row(*font, 0xDC, 0), 0x00);
        EXPECT_EQ(row(*font, 0xDC, font->height - 1), 0xFF);
        // Box drawing: the horizontal double line crosses the cell; the single vertical line
        // runs from top to bottom.
        EXPECT_EQ(row(*font, 0xB3, 0), row(*font, 0xB3, font->height - 1));
        EXPECT_NE(row(*font, 0xB3, 0), 0);
    }
}

TEST_F(BuiltinData, GlyphsDifferBetweenCharacters) {
    for (const FontInfo* font : FONTS) {
        SCOPED_TRACE(font->height);
        int distinct_from_next = 0;
        for (int c = 1; c < 255; ++c) {
            bool same = true;
            for (int r = 0; r < font->height; ++r) {
                same = same && row(*font, c, r) == row(*font, c + 1, r);
            }
            distinct_from_next += same ? 0 : 1;
        }
        // Neighbouring glyphs all differ except space/no-break space style duplicates.
        EXPECT_GE(distinct_from_next, 250);
    }
}

TEST_F(BuiltinData, TwoAndSixteenColourPalettes) {
    const int two[2][3] = {{0, 0, 0}, {255, 255, 255}};
    const int sixteen[16][3] = {
        {0, 0, 0},     {0, 0, 170},    {0, 170, 0},    {0, 170, 170},
        {170, 0, 0},   {170, 0, 170},  {170, 85, 0},   {170, 170, 170},
        {85, 85, 85},  {85, 85, 255},  {85, 255, 85},  {85, 255, 255},
        {255, 85, 85}, {255, 85, 255}, {255, 255, 85}, {255, 255, 255},
    };
    for (int ch = 0; ch < 3; ++ch) {
        for (int i = 0; i < 2; ++i) {
            EXPECT_EQ(channel(PALETTE_2, i, ch), two[i][ch]);
        }
        for (int i = 0; i < 16; ++i) {
            EXPECT_EQ(channel(PALETTE_16, i, ch), sixteen[i][ch]) << "entry " << i;
        }
    }
}

TEST_F(BuiltinData, SixtyFourColourPaletteFollowsItsBits) {
    for (int i = 0; i < 64; ++i) {
        auto bit = [i](int b) { return (i >> b) & 1; };
        EXPECT_EQ(channel(PALETTE_64, i, 0), 170 * bit(2) + 85 * bit(5)) << i;
        EXPECT_EQ(channel(PALETTE_64, i, 1), 170 * bit(1) + 85 * bit(4)) << i;
        EXPECT_EQ(channel(PALETTE_64, i, 2), 170 * bit(0) + 85 * bit(3)) << i;
    }
    EXPECT_EQ(channel(PALETTE_64, 0x14, 0), 170); // entry 20 is the brown of the 16 colours
    EXPECT_EQ(channel(PALETTE_64, 0x14, 1), 85);
}

TEST_F(BuiltinData, TwoFiftySixColourPaletteKnownEntries) {
    for (int i = 0; i < 16; ++i) {
        for (int ch = 0; ch < 3; ++ch) {
            EXPECT_EQ(channel(PALETTE_256, i, ch), channel(PALETTE_16, i, ch));
        }
    }
    const int greys[16] = {0, 5, 8, 11, 14, 17, 20, 24, 28, 32, 36, 40, 45, 50, 56, 63};
    for (int i = 0; i < 16; ++i) {
        for (int ch = 0; ch < 3; ++ch) {
            EXPECT_EQ(channel(PALETTE_256, 16 + i, ch), level8(greys[i])) << 16 + i;
        }
    }
    auto rgb = [](int i) {
        return std::vector<int>{channel(PALETTE_256, i, 0), channel(PALETTE_256, i, 1),
                                channel(PALETTE_256, i, 2)};
    };
    EXPECT_EQ(rgb(32), (std::vector<int>{0, 0, 255}));
    EXPECT_EQ(rgb(41), (std::vector<int>{255, 64, 0}));
    EXPECT_EQ(rgb(33), (std::vector<int>{64, 0, 255}));    // level 16 is stored as 64
    EXPECT_EQ(rgb(80), (std::vector<int>{182, 182, 255})); // level 45 is stored as 182
    EXPECT_EQ(rgb(31), (std::vector<int>{255, 255, 255}));
    EXPECT_EQ(rgb(247), (std::vector<int>{44, 48, 64})); // levels 11, 12 and 16
    for (int i = 248; i < 256; ++i) {
        EXPECT_EQ(rgb(i), (std::vector<int>{0, 0, 0})) << i;
    }
}

TEST_F(BuiltinData, TwoFiftySixColourGroupsWalkTheColourWheel) {
    const int levels[9][5] = {
        {0, 16, 31, 47, 63}, {31, 39, 47, 55, 63}, {45, 49, 54, 58, 63},
        {0, 7, 14, 21, 28},  {14, 17, 21, 24, 28}, {20, 22, 24, 26, 28},
        {0, 4, 8, 12, 16},   {8, 10, 12, 14, 16},  {11, 12, 13, 15, 16},
    };
    for (int g = 0; g < 9; ++g) {
        int base = 32 + 24 * g;
        int lo = level8(levels[g][0]);
        int hi = level8(levels[g][4]);
        // Each quarter of the wheel holds one channel at the top level and sweeps another.
        for (int j = 0; j < 24; ++j) {
            int r = channel(PALETTE_256, base + j, 0);
            int gr = channel(PALETTE_256, base + j, 1);
            int b = channel(PALETTE_256, base + j, 2);
            int sweep = level8(levels[g][j % 4]);    // rising from L0
            int fall = level8(levels[g][4 - j % 4]); // falling from L4
            SCOPED_TRACE(base + j);
            switch (j / 4) {
            case 0:
                EXPECT_EQ(r, sweep);
                EXPECT_EQ(gr, lo);
                EXPECT_EQ(b, hi);
                break;
            case 1:
                EXPECT_EQ(r, hi);
                EXPECT_EQ(gr, lo);
                EXPECT_EQ(b, fall);
                break;
            case 2:
                EXPECT_EQ(r, hi);
                EXPECT_EQ(gr, sweep);
                EXPECT_EQ(b, lo);
                break;
            case 3:
                EXPECT_EQ(r, fall);
                EXPECT_EQ(gr, hi);
                EXPECT_EQ(b, lo);
                break;
            case 4:
                EXPECT_EQ(r, lo);
                EXPECT_EQ(gr, hi);
                EXPECT_EQ(b, sweep);
                break;
            case 5:
                EXPECT_EQ(r, lo);
                EXPECT_EQ(gr, fall);
                EXPECT_EQ(b, hi);
                break;
            }
        }
    }
}
