// The BMP reader on hand-made files: pixel offset, palette size, row padding, refusals.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "gfx/image/image_size.h"
#include "tests/unit/texture_test_files.h"

namespace {

// Reads bytes as a BMP file into t.
bool read_bmp_bytes(const Bytes& bytes, Texture& t) {
    TempFile file("image.bmp", bytes);
    return read_bmp(t, file.name());
}

TEST(BmpReader, TwentyFourBitsHonourThePixelOffsetAndSkipRowPadding) {
    // width 3: 9 bytes per row padded to 12; 6 unused bytes between the headers and the pixels
    Bytes b = bmp_headers(3, 2, 24, 60, 0);
    b.insert(b.end(), {0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE});
    b.insert(b.end(), {1, 2, 3, 4, 5, 6, 7, 8, 9, 0xAA, 0xAA, 0xAA});
    b.insert(b.end(), {10, 11, 12, 13, 14, 15, 16, 17, 18, 0xAA, 0xAA, 0xAA});
    Texture t{};
    t.id = 9;
    ASSERT_TRUE(read_bmp_bytes(b, t));
    EXPECT_EQ(t.width, 3);
    EXPECT_EQ(t.height, 2);
    EXPECT_EQ(t.bpp, 24);
    EXPECT_EQ(t.format, TEXTURE_FORMAT_RGB);
    EXPECT_EQ(t.id, 9u);
    EXPECT_EQ(texture_bytes(t),
              (Bytes{3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10, 15, 14, 13, 18, 17, 16}));
    std::free(t.pixels);
}

TEST(BmpReader, EightBitsUseThePaletteSizeTheHeaderGives) {
    // two palette entries, width 5 (rows padded to 8 bytes)
    Bytes b = bmp_headers(5, 2, 8, 54 + 8, 2);
    b.insert(b.end(), {10, 20, 30, 0, 40, 50, 60, 0});
    b.insert(b.end(), {0, 1, 0, 1, 1, 0xAA, 0xAA, 0xAA});
    b.insert(b.end(), {1, 1, 1, 1, 0, 0xAA, 0xAA, 0xAA});
    Texture t{};
    ASSERT_TRUE(read_bmp_bytes(b, t));
    EXPECT_EQ(t.bpp, 24);
    EXPECT_EQ(t.format, TEXTURE_FORMAT_RGB);
    const Bytes c0 = {30, 20, 10}, c1 = {60, 50, 40};
    Bytes expected;
    for (int index : {0, 1, 0, 1, 1, 1, 1, 1, 1, 0}) {
        const Bytes& c = index == 0 ? c0 : c1;
        expected.insert(expected.end(), c.begin(), c.end());
    }
    EXPECT_EQ(texture_bytes(t), expected);
    std::free(t.pixels);
}

TEST(BmpReader, EightBitsWithPaletteCountZeroReadAllTwoHundredFiftySixEntries) {
    Bytes b = bmp_headers(4, 1, 8, 54 + 1024, 0);
    for (int i = 0; i < 256; ++i) {
        b.insert(b.end(), {static_cast<uint8_t>(i), 0, static_cast<uint8_t>(255 - i), 0});
    }
    b.insert(b.end(), {0, 7, 200, 255});
    Texture t{};
    ASSERT_TRUE(read_bmp_bytes(b, t));
    EXPECT_EQ(texture_bytes(t), (Bytes{255, 0, 0, 248, 0, 7, 55, 0, 200, 0, 0, 255}));
    std::free(t.pixels);
}

TEST(BmpReader, IndicesBeyondTheStoredPaletteAreBlack) {
    Bytes b = bmp_headers(4, 1, 8, 54 + 4, 1);
    b.insert(b.end(), {9, 9, 9, 0});
    b.insert(b.end(), {0, 1, 255, 0});
    Texture t{};
    ASSERT_TRUE(read_bmp_bytes(b, t));
    EXPECT_EQ(texture_bytes(t), (Bytes{9, 9, 9, 0, 0, 0, 0, 0, 0, 9, 9, 9}));
    std::free(t.pixels);
}

TEST(BmpReader, RowsPastTheEndOfTheFileStayZero) {
    Bytes b = bmp_headers(2, 3, 24, 54, 0);
    b.insert(b.end(), {1, 2, 3, 4, 5, 6, 0, 0, 7}); // one row and one byte of the next
    Texture t{};
    ASSERT_TRUE(read_bmp_bytes(b, t));
    Bytes expected(18, 0);
    expected[0] = 3, expected[1] = 2, expected[2] = 1, expected[3] = 6, expected[4] = 5,
    expected[5] = 4, expected[8] = 7;
    EXPECT_EQ(texture_bytes(t), expected);
    std::free(t.pixels);
}

TEST(BmpReader, RefusalsLeaveTheRecordAlone) {
    struct Case {
        const char* what;
        Bytes bytes;
    };
    Bytes wrong_signature = bmp_headers(2, 2, 24, 54, 0);
    wrong_signature[0] = 'M';
    wrong_signature.resize(wrong_signature.size() + 16);
    Bytes cases_32 = bmp_headers(2, 2, 32, 54, 0);
    cases_32.resize(cases_32.size() + 16);
    Bytes four_bits = bmp_headers(2, 2, 4, 54 + 64, 16);
    four_bits.resize(four_bits.size() + 64 + 8);
    Bytes negative_height = bmp_headers(2, -2, 24, 54, 0);
    negative_height.resize(negative_height.size() + 16);
    Bytes both_negative = bmp_headers(-2, -2, 24, 54, 0);
    both_negative.resize(both_negative.size() + 16);
    Bytes zero_width = bmp_headers(0, 2, 24, 54, 0);
    zero_width.resize(zero_width.size() + 16);
    Bytes huge = bmp_headers(0x7FFFFFFF, 0x7FFFFFFF, 24, 54, 0);
    huge.resize(huge.size() + 16);
    Bytes far_offset = bmp_headers(2, 2, 24, 0x7FFFFF00, 0);
    far_offset.resize(far_offset.size() + 16);
    Bytes cut_header = bmp_headers(2, 2, 24, 54, 0);
    cut_header.resize(30);
    Bytes targa = tga_header(2, 2, 2, 24);
    targa.resize(targa.size() + 12, 0x33);
    const Case cases[] = {{"signature", wrong_signature},
                          {"32 bits", cases_32},
                          {"4 bits", four_bits},
                          {"negative height", negative_height},
                          {"both negative", both_negative},
                          {"zero width", zero_width},
                          {"huge", huge},
                          {"offset past the end", far_offset},
                          {"short header", cut_header},
                          {"a TGA", targa}};
    for (const Case& c : cases) {
        Texture t{};
        t.width = 11;
        t.height = 12;
        t.bpp = 32;
        EXPECT_FALSE(read_bmp_bytes(c.bytes, t)) << c.what;
        EXPECT_EQ(t.width, 11) << c.what;
        EXPECT_EQ(t.height, 12) << c.what;
        EXPECT_EQ(t.bpp, 32) << c.what;
        EXPECT_EQ(t.pixels, nullptr) << c.what;
    }
    Texture t{};
    EXPECT_FALSE(read_bmp(t, "no/such/dir/brick.bmp"));
}

TEST(BmpReader, RowsWiderThanTheFileAreRefusedBeforeAnyBufferIsMade) {
    // 178,956,971 pixels of 24 bits make a row of 536,870,916 bytes, which wraps to 4 in 32-bit
    // arithmetic. The file holds enough bytes for the image to pass the size check, not one row.
    Bytes b = bmp_headers(178956971, 1, 24, 54, 0);
    b.resize(b.size() + 178956971 / 128 + 64, 0x55);
    Texture t{};
    EXPECT_FALSE(read_bmp_bytes(b, t));
    EXPECT_EQ(t.pixels, nullptr);
    EXPECT_EQ(t.width, 0);

    Bytes one_row = bmp_headers(5, 2, 24, 54, 0); // rows of 16 bytes: the first fits exactly
    one_row.resize(one_row.size() + 16, 0x21);
    ASSERT_TRUE(read_bmp_bytes(one_row, t));
    Bytes expected(30, 0);
    std::fill(expected.begin(), expected.begin() + 15, 0x21);
    EXPECT_EQ(texture_bytes(t), expected);
    std::free(t.pixels);
    Bytes short_row = bmp_headers(5, 2, 24, 54, 0);
    short_row.resize(short_row.size() + 15, 0x21);
    Texture u{};
    EXPECT_FALSE(read_bmp_bytes(short_row, u));
}

TEST(ImageSize, RowBytesAreExactInSixtyFourBitsAndBoundedByThirtyOneBits) {
    for (long long width : {1LL, 3LL, 5LL, 178956970LL, 178956971LL, 536870912LL, 715827882LL,
                            715827883LL, 2147483647LL}) {
        for (int bits : {8, 24}) {
            const unsigned long long exact =
                (static_cast<unsigned long long>(width) * bits + 31) / 32 * 4;
            std::size_t row = 0;
            const bool fits = exact <= 0x7FFFFFFFULL;
            EXPECT_EQ(fits, padded_row_bytes(width, bits, &row)) << width << " x " << bits;
            if (fits) {
                EXPECT_EQ(exact, row) << width << " x " << bits;
            }
        }
    }
    std::size_t row = 7;
    EXPECT_FALSE(padded_row_bytes(0, 24, &row));
    EXPECT_FALSE(padded_row_bytes(-4, 8, &row));
    EXPECT_FALSE(padded_row_bytes(4, 0, &row));
    EXPECT_EQ(row, 7U) << "a refusal leaves the result alone";
}

} // namespace
