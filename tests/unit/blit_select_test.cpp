// Choosing a blitter: which member each framebuffer and display depth gets, the refusals, the
// vector table only without row doubling, and the expansion table it rebuilds.
#include <gtest/gtest.h>

#include "blit_test_screen.h"
#include "gfx/blit/blitter.h"

namespace {

struct Choice {
    int display_depth;
    int red_low;
    Blitter scalar;
    Blitter vector;
};

// The members by framebuffer class, written out from the table of members.
const Choice PALETTED[] = {
    {8, 0, blit_copy, blit_copy},
    {8, 1, blit_copy, blit_copy},
    {15, 0, blit_8_to_15, blit_8_to_15_mmx},
    {15, 1, blit_8_to_15_redlow, blit_8_to_15_redlow_mmx},
    {16, 0, blit_8_to_16, blit_8_to_16_mmx},
    {16, 1, blit_8_to_16_redlow, blit_8_to_16_redlow_mmx},
    {24, 0, blit_8_to_24, blit_8_to_24_mmx},
    {24, 1, blit_8_to_24_redlow, blit_8_to_24_redlow_mmx},
    {32, 0, blit_8_to_32, blit_8_to_32_mmx},
    {32, 1, blit_8_to_32_redlow, blit_8_to_32_redlow_mmx},
};
const Choice HIGH_COLOUR[] = {
    {8, 0, nullptr, nullptr},
    {8, 1, nullptr, nullptr},
    {15, 0, blit_16_to_15, blit_16_to_15_mmx},
    {15, 1, blit_16_to_15_redlow, blit_16_to_15_redlow_mmx},
    {16, 0, blit_copy, blit_copy},
    {16, 1, blit_16_to_16_redlow, blit_16_to_16_redlow_mmx},
    {24, 0, blit_16_to_24, blit_16_to_24_mmx},
    {24, 1, blit_16_to_24, blit_16_to_24_mmx},
    {32, 0, blit_16_to_32, blit_16_to_32_mmx},
    {32, 1, blit_16_to_32, blit_16_to_32_mmx},
};
const Choice TRUE_COLOUR[] = {
    {8, 0, nullptr, nullptr},
    {8, 1, nullptr, nullptr},
    {15, 0, blit_32_to_15, blit_32_to_15_mmx},
    {15, 1, blit_32_to_15_redlow, blit_32_to_15_redlow_mmx},
    {16, 0, blit_32_to_16, blit_32_to_16_mmx},
    {16, 1, blit_32_to_16_redlow, blit_32_to_16_redlow_mmx},
    {24, 0, blit_32_to_24, blit_32_to_24_mmx},
    {24, 1, blit_32_to_24_redlow, blit_32_to_24_redlow_mmx},
    {32, 0, blit_copy, blit_copy},
    {32, 1, blit_32_to_32_redlow, blit_32_to_32_redlow_mmx},
};

// Checks every display depth for one framebuffer depth, with and without MMX and row doubling.
template <size_t N>
void check_depth(int depth, const Choice (&choices)[N]) {
    for (bool mmx : {false, true}) {
        for (int scanline : {1, 2}) {
            BlitScreen screen(8, 2, depth <= 8 ? 8 : depth <= 16 ? 16 : 32, scanline, 1);
            screen.ctx().depth = depth;
            screen.ctx().flags = mmx ? CTX_HAS_MMX : 0;
            for (const Choice& c : choices) {
                const Blitter want = mmx && scanline == 1 ? c.vector : c.scalar;
                EXPECT_EQ(want, select_blitter(c.display_depth, c.red_low))
                    << "depth " << depth << " display " << c.display_depth << " red_low "
                    << c.red_low << " mmx " << mmx << " scanline " << scanline;
            }
            // Any non-zero red_low asks for red-low.
            EXPECT_EQ(select_blitter(15, 1), select_blitter(15, 7)) << "depth " << depth;
        }
    }
}

TEST(BlitSelect, EveryFramebufferDepthGetsItsMember) {
    for (int depth : {1, 2, 4, 8}) {
        check_depth(depth, PALETTED);
    }
    for (int depth : {15, 16}) {
        check_depth(depth, HIGH_COLOUR);
    }
    for (int depth : {24, 32}) {
        check_depth(depth, TRUE_COLOUR);
    }
}

TEST(BlitSelect, UnsupportedCombinationsGetNone) {
    for (int depth : {8, 16, 32}) {
        BlitScreen screen(8, 2, depth, 1, 2);
        for (int display : {0, 1, 4, 12, 14, 17, 23, 31, 33, 64, -1}) {
            EXPECT_EQ(nullptr, select_blitter(display, 0)) << depth << " on " << display;
            EXPECT_EQ(nullptr, select_blitter(display, 1)) << depth << " on " << display;
        }
    }
    for (int depth : {0, 3, 5, 12, 33, -1, 100}) {
        BlitScreen screen(8, 2, 8, 1, 3);
        screen.ctx().depth = depth;
        for (int display : {8, 15, 16, 24, 32}) {
            EXPECT_EQ(nullptr, select_blitter(display, 0)) << depth;
        }
    }
}

TEST(BlitSelect, NoScreenOrNoLookupTableGetsNone) {
    GfxContext* saved = gfx_context;
    gfx_context = nullptr;
    EXPECT_EQ(nullptr, select_blitter(32, 0));
    gfx_context = saved;
    BlitScreen screen(8, 2, 16, 1, 4);
    gfx_colour_lookup = nullptr;
    EXPECT_EQ(nullptr, select_blitter(32, 0));
}

// Entry i and 256 + j of the expansion table, from the table of formulas.
uint32_t lookup_entry(int index, bool red_low) {
    if (index < 256) {
        const uint32_t b = index & 0x1F, gl = index >> 5;
        return red_low ? (b << 19 | gl << 10) : (b << 3 | gl << 10);
    }
    const uint32_t j = index - 256, r = j >> 3, gh = j & 7;
    return red_low ? (gh << 13 | r << 3) : (gh << 13 | r << 19);
}

TEST(BlitSelect, RebuildsTheExpansionTableForTheOrderAskedFor) {
    BlitScreen screen(8, 2, 32, 1, 5);
    for (int red_low : {0, 1, 0}) {
        for (int i = 0; i < COLOUR_LOOKUP_ENTRIES; ++i) {
            screen.lookup()[i] = 0xDEADBEEF;
        }
        select_blitter(12, red_low); // a refused depth still rebuilds the table
        for (int i = 0; i < COLOUR_LOOKUP_ENTRIES; ++i) {
            ASSERT_EQ(lookup_entry(i, red_low != 0), screen.lookup()[i])
                << "entry " << i << " red_low " << red_low;
        }
    }
}

TEST(BlitSelect, TheTablesHoldEachMemberAtItsIndex) {
    // Index = 12 * (red-high) + 4 * source class + destination class.
    EXPECT_EQ(blit_8_to_15_redlow, BLITTER_TABLE[0]);
    EXPECT_EQ(blit_16_to_24, BLITTER_TABLE[6]);
    EXPECT_EQ(blit_32_to_32_redlow, BLITTER_TABLE[11]);
    EXPECT_EQ(blit_8_to_15, BLITTER_TABLE[12]);
    EXPECT_EQ(blit_copy, BLITTER_TABLE[17]);
    EXPECT_EQ(blit_copy, BLITTER_TABLE[23]);
    EXPECT_EQ(blit_8_to_32_redlow_mmx, BLITTER_TABLE_MMX[3]);
    EXPECT_EQ(blit_16_to_32_mmx, BLITTER_TABLE_MMX[7]);
    EXPECT_EQ(blit_copy, BLITTER_TABLE_MMX[17]);
    EXPECT_EQ(blit_32_to_24_mmx, BLITTER_TABLE_MMX[22]);
    for (int i = 0; i < BLITTER_TABLE_SIZE; ++i) {
        EXPECT_NE(nullptr, BLITTER_TABLE[i]) << i;
        EXPECT_NE(nullptr, BLITTER_TABLE_MMX[i]) << i;
    }
}

} // namespace
