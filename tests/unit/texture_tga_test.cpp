// The TGA reader on hand-made files: header checks, pixel order, run-length packets, short files.
#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/unit/texture_test_files.h"

namespace {

// Reads bytes as a TGA file into a fresh texture record.
bool read_tga_bytes(const Bytes& bytes, Texture& t, const char* name = "image.tga") {
    TempFile file(name, bytes);
    return read_tga(t, file.name());
}

// Frees what a successful read left in the record.
void release(Texture& t) {
    std::free(t.pixels);
    t.pixels = nullptr;
}

TEST(TgaReader, UncompressedSwapsBlueAndRedAndKeepsFileRowOrder) {
    Bytes b = tga_header(2, 2, 2, 24);
    // first file row (the bottom of the picture), then the second
    Bytes px = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    b.insert(b.end(), px.begin(), px.end());
    Texture t{};
    t.id = 77;
    ASSERT_TRUE(read_tga_bytes(b, t));
    EXPECT_EQ(t.width, 2);
    EXPECT_EQ(t.height, 2);
    EXPECT_EQ(t.bpp, 24);
    EXPECT_EQ(t.format, TEXTURE_FORMAT_RGB);
    EXPECT_EQ(t.id, 77u);
    EXPECT_EQ(texture_bytes(t), (Bytes{3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10}));
    release(t);
}

TEST(TgaReader, OriginBitsOfTheDescriptorAreNotHonoured) {
    for (uint8_t descriptor : {0x20, 0x10, 0x30}) {
        Bytes b = tga_header(10, 2, 2, 24);
        b[17] = descriptor;
        b.insert(b.end(), {0x01, 1, 2, 3, 4, 5, 6, 0x01, 7, 8, 9, 10, 11, 12});
        Texture t{};
        ASSERT_TRUE(read_tga_bytes(b, t)) << int(descriptor);
        EXPECT_EQ(texture_bytes(t), (Bytes{3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10}))
            << int(descriptor);
        release(t);
    }
}

TEST(TgaReader, ThirtyTwoBitsKeepAlphaFourth) {
    Bytes b = tga_header(2, 1, 2, 32);
    Bytes px = {10, 20, 30, 0, 40, 50, 60, 255};
    b.insert(b.end(), px.begin(), px.end());
    Texture t{};
    ASSERT_TRUE(read_tga_bytes(b, t));
    EXPECT_EQ(t.format, TEXTURE_FORMAT_RGBA);
    EXPECT_EQ(t.bpp, 32);
    EXPECT_EQ(texture_bytes(t), (Bytes{30, 20, 10, 0, 60, 50, 40, 255}));
    release(t);
}

TEST(TgaReader, SizesAboveOneByteAreLittleEndian) {
    Bytes b = tga_header(10, 300, 2, 24);
    // 600 pixels: five runs of 120 pixels
    for (int i = 0; i < 5; ++i) {
        b.push_back(0x80 + 119);
        b.insert(b.end(), {static_cast<uint8_t>(i), 0, 0});
    }
    Texture t{};
    ASSERT_TRUE(read_tga_bytes(b, t));
    EXPECT_EQ(t.width, 300);
    EXPECT_EQ(t.height, 2);
    EXPECT_EQ(t.pixels[3 * 599 + 2], 4);
    release(t);
}

TEST(TgaReader, RlePacketHeadersAtTheirLimits) {
    // 0x80: run of 1; 0xFF: run of 128; 0x00: one raw pixel; 0x7F: 128 raw pixels.
    Bytes b = tga_header(10, 258, 1, 24);
    b.insert(b.end(), {0x80, 1, 1, 1});
    b.insert(b.end(), {0xFF, 2, 2, 2});
    b.insert(b.end(), {0x00, 3, 0, 9});
    b.push_back(0x7F);
    for (int i = 0; i < 128; ++i) {
        b.insert(b.end(), {static_cast<uint8_t>(i), 0, 0});
    }
    Texture t{};
    ASSERT_TRUE(read_tga_bytes(b, t));
    Bytes px = texture_bytes(t);
    EXPECT_EQ(px[0], 1);
    for (int i = 1; i <= 128; ++i) {
        ASSERT_EQ(px[3 * i], 2) << "run pixel " << i;
    }
    EXPECT_EQ((Bytes{px[3 * 129], px[3 * 129 + 1], px[3 * 129 + 2]}), (Bytes{9, 0, 3}));
    for (int i = 0; i < 128; ++i) {
        ASSERT_EQ(px[3 * (130 + i) + 2], i) << "raw pixel " << i;
    }
    release(t);
}

TEST(TgaReader, RlePacketEndingOnTheLastPixelSucceedsAndOneMoreFails) {
    Bytes exact = tga_header(10, 4, 1, 32);
    exact.insert(exact.end(), {0x83, 1, 2, 3, 4});
    Texture t{};
    ASSERT_TRUE(read_tga_bytes(exact, t));
    EXPECT_EQ(texture_bytes(t), (Bytes{3, 2, 1, 4, 3, 2, 1, 4, 3, 2, 1, 4, 3, 2, 1, 4}));
    release(t);

    Bytes over = tga_header(10, 4, 1, 32);
    over.insert(over.end(), {0x81, 1, 2, 3, 4, 0x02, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    Texture u{};
    EXPECT_FALSE(read_tga_bytes(over, u));
    EXPECT_EQ(u.pixels, nullptr);
    EXPECT_EQ(u.width, 4);
    EXPECT_EQ(u.height, 1);
    EXPECT_EQ(u.bpp, 32);
    EXPECT_EQ(u.format, TEXTURE_FORMAT_RGBA);
}

TEST(TgaReader, PrefixMustMatchExactly) {
    Texture t{};
    t.width = 5;
    Bytes with_id = tga_header(2, 1, 1, 24);
    with_id[0] = 1; // an image ID field
    EXPECT_FALSE(read_tga_bytes(with_id, t));
    Bytes with_map = tga_header(2, 1, 1, 24);
    with_map[1] = 1; // a colour map
    EXPECT_FALSE(read_tga_bytes(with_map, t));
    Bytes with_origin = tga_header(2, 1, 1, 24);
    with_origin[8] = 3; // x origin 3
    EXPECT_FALSE(read_tga_bytes(with_origin, t));
    EXPECT_FALSE(read_tga_bytes(tga_header(3, 1, 1, 24), t)); // greyscale
    EXPECT_FALSE(read_tga_bytes(Bytes{0, 0, 2, 0, 0}, t));    // shorter than the prefix
    EXPECT_EQ(t.width, 5) << "a refused prefix leaves the record alone";
    EXPECT_EQ(t.height, 0);
    EXPECT_EQ(t.bpp, 0);
}

TEST(TgaReader, UnsupportedDepthIsRefusedAfterStoringTheSize) {
    for (int depth : {8, 16, 15, 0}) {
        Texture t{};
        t.format = 123;
        Bytes b = tga_header(2, 7, 9, depth);
        b.resize(b.size() + 7 * 9 * 4);
        EXPECT_FALSE(read_tga_bytes(b, t)) << depth;
        EXPECT_EQ(t.width, 7);
        EXPECT_EQ(t.height, 9);
        EXPECT_EQ(t.bpp, depth);
        EXPECT_EQ(t.format, 123u) << "format is set only once the depth is accepted";
    }
}

TEST(TgaReader, ZeroWidthOrHeightIsRefused) {
    Texture t{};
    EXPECT_FALSE(read_tga_bytes(tga_header(2, 0, 4, 24), t));
    EXPECT_FALSE(read_tga_bytes(tga_header(10, 4, 0, 24), t));
}

TEST(TgaReader, ShortFilesLeaveTheMissingPixelsZero) {
    Bytes b = tga_header(2, 4, 1, 24);
    b.insert(b.end(), {1, 2, 3, 4}); // one pixel and a third of the next
    Texture t{};
    ASSERT_TRUE(read_tga_bytes(b, t));
    EXPECT_EQ(texture_bytes(t), (Bytes{3, 2, 1, 0, 0, 4, 0, 0, 0, 0, 0, 0}));
    release(t);

    Bytes r = tga_header(10, 4, 1, 24);
    r.insert(r.end(), {0x01, 1, 2, 3, 4}); // a raw packet of two pixels cut short
    Texture u{};
    ASSERT_TRUE(read_tga_bytes(r, u));
    EXPECT_EQ(texture_bytes(u), (Bytes{3, 2, 1, 0, 0, 4, 0, 0, 0, 0, 0, 0}));
    release(u);
}

TEST(TgaReader, SizesTheFileCannotHoldAreRefused) {
    Texture t{};
    Bytes b = tga_header(10, 65535, 65535, 32);
    b.insert(b.end(), {0xFF, 1, 2, 3, 4});
    EXPECT_FALSE(read_tga_bytes(b, t));
    EXPECT_EQ(t.pixels, nullptr);
    EXPECT_EQ(t.width, 65535);
    Bytes u = tga_header(2, 65535, 65535, 24);
    EXPECT_FALSE(read_tga_bytes(u, t));
    Bytes v = tga_header(2, 2000, 2000, 24); // fits in memory, but not in ten bytes
    v.resize(v.size() + 10);
    EXPECT_FALSE(read_tga_bytes(v, t));
}

TEST(TgaReader, OneRunPacketMayStandForAHundredAndTwentyEightPixels) {
    Bytes b = tga_header(10, 128, 1, 24);
    b.insert(b.end(), {0xFF, 5, 6, 7});
    Texture t{};
    ASSERT_TRUE(read_tga_bytes(b, t));
    EXPECT_EQ(t.pixels[3 * 127], 7);
    release(t);
}

TEST(TgaReader, MissingFileIsRefusedAndLeavesTheRecordAlone) {
    Texture t{};
    t.width = 3;
    EXPECT_FALSE(read_tga(t, "no/such/dir/light.tga"));
    EXPECT_EQ(t.width, 3);
    EXPECT_EQ(t.pixels, nullptr);
}

} // namespace
