// The worked examples of the pixel formats, dirty-row and row-doubling behaviour, and bad input.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "blit_test_screen.h"
#include "gfx/blit/blit_cpu.h"
#include "gfx/blit/blitter.h"

namespace {

// Converts a one-pixel screen whose only pixel (or palette entry 0) is `value` with `blitter`
// and returns the destination word.
uint32_t convert_one(Blitter blitter, int depth, uint32_t value, int red_low) {
    BlitScreen screen(1, 1, depth, 1, 1);
    build_colour_lookup(screen.lookup(), red_low);
    if (depth == 8) {
        screen.page()[0] = 0;
        screen.palette()[0] = value;
    } else {
        std::memcpy(screen.page(), &value, depth / 8);
    }
    screen.mark_all_dirty();
    uint8_t dest[4] = {0, 0, 0, 0};
    blitter(dest, 4);
    uint32_t out;
    std::memcpy(&out, dest, 4);
    return out;
}

TEST(BlitExamples, PaletteEntryToHighColour) {
    for (bool vector : {false, true}) {
        EXPECT_EQ(0x221Fu,
                  convert_one(vector ? blit_8_to_15_mmx : blit_8_to_15, 8, 0x00FF8040, 0) & 0x7FFF);
        EXPECT_EQ(0x7E08u, convert_one(vector ? blit_8_to_15_redlow_mmx : blit_8_to_15_redlow, 8,
                                       0x00FF8040, 1) &
                               0x7FFF);
        EXPECT_EQ(0x441Fu,
                  convert_one(vector ? blit_8_to_16_mmx : blit_8_to_16, 8, 0x00FF8040, 0) & 0xFFFF);
        EXPECT_EQ(0xFC08u, convert_one(vector ? blit_8_to_16_redlow_mmx : blit_8_to_16_redlow, 8,
                                       0x00FF8040, 1) &
                               0xFFFF);
    }
}

TEST(BlitExamples, HighColourPixel) {
    for (bool vector : {false, true}) {
        EXPECT_EQ(0x004080F8u,
                  convert_one(vector ? blit_16_to_32_mmx : blit_16_to_32, 16, 0x441F, 0) &
                      0xFFFFFF);
        EXPECT_EQ(0x221Fu,
                  convert_one(vector ? blit_16_to_15_mmx : blit_16_to_15, 16, 0x441F, 0) & 0x7FFF);
    }
}

TEST(BlitExamples, TopByteOfTrueColourNeverReachesAChannel) {
    const Blitter members[][2] = {
        {blit_32_to_15, blit_32_to_15_mmx},
        {blit_32_to_15_redlow, blit_32_to_15_redlow_mmx},
        {blit_32_to_16, blit_32_to_16_mmx},
        {blit_32_to_16_redlow, blit_32_to_16_redlow_mmx},
        {blit_32_to_24, blit_32_to_24_mmx},
        {blit_32_to_24_redlow, blit_32_to_24_redlow_mmx},
        {blit_32_to_32_redlow, blit_32_to_32_redlow_mmx},
    };
    const uint32_t masks[] = {0x7FFF, 0x7FFF, 0xFFFF, 0xFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF};
    for (int i = 0; i < 7; ++i) {
        for (const Blitter b : members[i]) {
            EXPECT_EQ(convert_one(b, 32, 0x004080FF, 0) & masks[i],
                      convert_one(b, 32, 0xFF4080FF, 0) & masks[i])
                << i;
        }
    }
    EXPECT_EQ(0x00FF8040u, convert_one(blit_32_to_32_redlow, 32, 0xFF4080FF, 0) & 0xFFFFFF);
}

TEST(BlitExamples, DoubledRowsAreBothWrittenAndCleanRowsKeptWhole) {
    BlitScreen screen(5, 3, 32, 2, 8);
    screen.mark_all_dirty();
    screen.ctx().dirty_rows[1] = 0;
    const int pitch = 5 * 4;
    ExactBuffer dest(static_cast<size_t>(pitch) * 6, screen.random());
    const std::vector<uint8_t> before = dest.copy();
    blit_copy(dest.data(), pitch);
    for (int row : {0, 1, 4, 5}) {
        EXPECT_EQ(0,
                  std::memcmp(dest.data() + row * pitch, screen.page() + (row / 2) * pitch, pitch))
            << row;
    }
    EXPECT_EQ(0, std::memcmp(dest.data() + 2 * pitch, before.data() + 2 * pitch, 2 * pitch));
}

TEST(BlitExamples, OddWidthsConvertTheLastPixelToo) {
    // A member that packs two pixels per store still converts the last pixel of an odd row.
    BlitScreen screen(3, 1, 16, 1, 9);
    screen.mark_all_dirty();
    const uint16_t pixels[3] = {0x0000, 0x0000, 0x441F};
    std::memcpy(screen.page(), pixels, sizeof pixels);
    for (const Blitter b : {blit_16_to_15, blit_16_to_15_mmx}) {
        uint8_t* dest = new uint8_t[6];
        std::memset(dest, 0xAA, 6);
        b(dest, 6);
        EXPECT_EQ(0x1F, dest[4]);
        EXPECT_EQ(0x22, dest[5]);
        delete[] dest;
    }
}

TEST(BlitExamples, NothingHappensWithoutAScreenOrItsBuffers) {
    uint8_t dest[16];
    std::memset(dest, 0x55, sizeof dest);
    GfxContext* saved = gfx_context;
    gfx_context = nullptr;
    for (int i = 0; i < BLITTER_TABLE_SIZE; ++i) {
        BLITTER_TABLE[i](dest, 8);
        BLITTER_TABLE_MMX[i](dest, 8);
    }
    gfx_context = saved;
    {
        BlitScreen screen(2, 2, 8, 1, 10);
        screen.mark_all_dirty();
        screen.ctx().palette = nullptr;
        blit_8_to_32(dest, 8);
        blit_8_to_32_mmx(dest, 8);
        screen.ctx().palette = screen.palette();
        screen.ctx().dirty_rows = nullptr;
        blit_8_to_32(dest, 8);
        screen.ctx().visible_buffer = nullptr;
        blit_copy(dest, 8);
    }
    {
        BlitScreen screen(2, 2, 16, 1, 11);
        screen.mark_all_dirty();
        gfx_colour_lookup = nullptr;
        blit_16_to_32(dest, 8);
        blit_16_to_32_mmx(dest, 8);
    }
    for (uint8_t b : dest) {
        EXPECT_EQ(0x55, b);
    }
}

TEST(BlitExamples, AWidthBeyondThePitchReadsOnlyThePitch) {
    // A context claiming more pixels than its rows hold: the blitter stays inside each row.
    BlitScreen screen(4, 2, 32, 1, 12);
    screen.mark_all_dirty();
    screen.ctx().width = 1000;
    const int pitch = 4 * 2;
    ExactBuffer dest(static_cast<size_t>(pitch) * 2, screen.random());
    blit_32_to_16(dest.data(), pitch);
    blit_32_to_16_mmx(dest.data(), pitch);
    const uint32_t first = screen.page()[0] | screen.page()[1] << 8 | screen.page()[2] << 16;
    const uint32_t want =
        ((first >> 19) & 0x1F) << 11 | ((first >> 10) & 0x3F) << 5 | ((first >> 3) & 0x1F);
    EXPECT_EQ(want, static_cast<uint32_t>(dest.data()[0] | dest.data()[1] << 8));
}

} // namespace
