// Reading console fonts: both file versions, their Unicode tables, separate font maps, and
// damaged files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "psf_font.h"

namespace {

using Bytes = std::vector<uint8_t>;

// A version 1 file of 256 glyphs of the given height; glyph g's rows all hold g. table, if not
// empty, is appended as the Unicode table (16-bit little-endian values).
Bytes psf1(int height, const std::vector<uint16_t>& table) {
    Bytes b = {0x36, 0x04, static_cast<uint8_t>(table.empty() ? 0 : 0x02),
               static_cast<uint8_t>(height)};
    for (int g = 0; g < 256; ++g) {
        b.insert(b.end(), static_cast<size_t>(height), static_cast<uint8_t>(g));
    }
    for (uint16_t v : table) {
        b.push_back(static_cast<uint8_t>(v & 0xFF));
        b.push_back(static_cast<uint8_t>(v >> 8));
    }
    return b;
}

// Appends a little-endian 32-bit value.
void put32(Bytes& b, uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        b.push_back(static_cast<uint8_t>(v >> (8 * i)));
    }
}

// A version 2 file of count glyphs, 8 pixels wide; glyph g's rows all hold g + 1. table is
// appended as given (UTF-8 entries, 0xFF after each glyph).
Bytes psf2(uint32_t count, uint32_t height, const Bytes& table, uint32_t width = 8) {
    Bytes b = {0x72, 0xB5, 0x4A, 0x86};
    put32(b, 0);
    put32(b, 32);
    put32(b, table.empty() ? 0 : 1);
    put32(b, count);
    put32(b, height);
    put32(b, height);
    put32(b, width);
    for (uint32_t g = 0; g < count; ++g) {
        b.insert(b.end(), height, static_cast<uint8_t>(g + 1));
    }
    b.insert(b.end(), table.begin(), table.end());
    return b;
}

// A version 1 table in which glyph g shows only code point 0x100 + g.
std::vector<uint16_t> simple_table() {
    std::vector<uint16_t> t;
    for (int g = 0; g < 256; ++g) {
        t.push_back(static_cast<uint16_t>(0x100 + g));
        t.push_back(0xFFFF);
    }
    return t;
}

} // namespace

TEST(PsfFont, Version1GlyphsAndUnicodeTable) {
    std::vector<uint16_t> table = simple_table();
    // Glyph 0 also shows U+263A, and a sequence (U+0041 U+0301) that must not count as 'A'.
    table.insert(table.begin() + 1, {0x263A, 0xFFFE, 0x0041, 0x0301});
    PsfFont font;
    std::string error;
    ASSERT_TRUE(parse_psf(psf1(14, table), font, error)) << error;
    EXPECT_EQ(font.height, 14);
    EXPECT_EQ(font.glyph_count, 256);
    ASSERT_EQ(font.rows.size(), 256u * 14);
    EXPECT_EQ(font.rows[0x41 * 14 + 13], 0x41);
    EXPECT_EQ(font.by_unicode.at(0x263A), 0);
    EXPECT_EQ(font.by_unicode.at(0x100), 0);
    EXPECT_EQ(font.by_unicode.at(0x1FF), 255);
    EXPECT_EQ(font.by_unicode.count(0x41), 0u);
}

TEST(PsfFont, Version2Utf8TableAndFirstClaimWins) {
    Bytes table;
    const char* entries[] = {"\xE2\x98\xBA", "A\xC3\x84",
                             "\xE2\x96\x88"
                             "A",
                             "\xFE"
                             "B"};
    for (const char* e : entries) {
        table.insert(table.end(), e, e + std::char_traits<char>::length(e));
        table.push_back(0xFF);
    }
    PsfFont font;
    std::string error;
    ASSERT_TRUE(parse_psf(psf2(4, 16, table), font, error)) << error;
    EXPECT_EQ(font.glyph_count, 4);
    EXPECT_EQ(font.rows[3 * 16], 4);
    EXPECT_EQ(font.by_unicode.at(0x263A), 0);
    EXPECT_EQ(font.by_unicode.at(0x41), 1); // glyph 2 claims 'A' again, glyph 1 keeps it
    EXPECT_EQ(font.by_unicode.at(0xC4), 1);
    EXPECT_EQ(font.by_unicode.at(0x2588), 2);
    EXPECT_EQ(font.by_unicode.count(0x42), 0u); // only inside a sequence
}

TEST(PsfFont, DamagedFilesGiveErrors) {
    struct Case {
        const char* what;
        Bytes bytes;
    };
    Bytes v1 = psf1(8, simple_table());
    Bytes v2 = psf2(2, 8, Bytes{'a', 0xFF, 'b', 0xFF});
    const Case cases[] = {
        {"empty", {}},
        {"bad magic", Bytes{1, 2, 3, 4, 5, 6}},
        {"version 1 glyphs cut", Bytes(v1.begin(), v1.begin() + 100)},
        {"version 1 table cut", Bytes(v1.begin(), v1.end() - 3)},
        {"version 1 zero height", psf1(0, {})},
        {"version 2 header cut", Bytes(v2.begin(), v2.begin() + 20)},
        {"version 2 glyphs cut", Bytes(v2.begin(), v2.begin() + 40)},
        {"version 2 table cut", Bytes(v2.begin(), v2.end() - 1)},
        {"version 2 bad UTF-8", psf2(1, 8, Bytes{0xE2, 0x41, 0xFF})},
        {"version 2 too wide", psf2(1, 8, {}, 9)},
        {"version 2 huge count",
         [] {
             Bytes b = psf2(1, 8, {});
             b[19] = 0x7F;
             return b;
         }()},
    };
    for (const Case& c : cases) {
        PsfFont font;
        std::string error;
        EXPECT_FALSE(parse_psf(c.bytes, font, error)) << c.what;
        EXPECT_FALSE(error.empty()) << c.what;
    }
}

TEST(PsfFont, FontMapSuppliesTheTable) {
    PsfFont font;
    std::string error;
    ASSERT_TRUE(parse_psf(psf1(8, {}), font, error)) << error;
    EXPECT_TRUE(font.by_unicode.empty());
    ASSERT_TRUE(parse_font_map("# comment\n0x01\tU+263A U+263a\n\n66 U+0042 # B\n0xFF u+00A0\n",
                               font, error))
        << error;
    EXPECT_EQ(font.by_unicode.at(0x263A), 1);
    EXPECT_EQ(font.by_unicode.at(0x42), 66);
    EXPECT_EQ(font.by_unicode.at(0xA0), 255);
    EXPECT_EQ(font.by_unicode.size(), 3u);

    for (const char* bad : {"0x100 U+0041\n", "-1 U+0041\n", "0x1G U+0041\n", "1 0041\n", "1 U+\n",
                            "1 U+110000\n", "1 U+12x\n"}) {
        EXPECT_FALSE(parse_font_map(bad, font, error)) << bad;
        EXPECT_NE(error.find("line 1"), std::string::npos) << bad;
    }
}
