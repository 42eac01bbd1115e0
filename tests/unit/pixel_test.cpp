// Block copy and fill, the processor-feature query, and the per-depth pixel primitives.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "gfx/core/pixel.h"
#include "screen_test_support.h"

namespace {

TEST(PixelBlocks, MmxCopyMatchesMemcpyForEveryLengthAndAlignment) {
    std::vector<uint8_t> src(96);
    for (size_t i = 0; i < src.size(); ++i) {
        src[i] = static_cast<uint8_t>(i * 37 + 11);
    }
    for (size_t offset = 0; offset < 8; ++offset) {
        for (size_t count = 0; count <= 70; ++count) {
            std::vector<uint8_t> got(96, 0xEE);
            std::vector<uint8_t> want(96, 0xEE);
            void* result = fast_copy_mmx(got.data() + offset, src.data() + 7 - offset % 8, count);
            std::memcpy(want.data() + offset, src.data() + 7 - offset % 8, count);
            ASSERT_EQ(result, got.data() + offset);
            ASSERT_EQ(got, want) << "offset " << offset << " count " << count;
        }
    }
}

TEST(PixelBlocks, MmxFillMatchesMemsetForEveryLengthAndAlignment) {
    for (size_t offset = 0; offset < 8; ++offset) {
        for (size_t count = 0; count <= 70; ++count) {
            std::vector<uint8_t> got(96, 0x11);
            std::vector<uint8_t> want(96, 0x11);
            void* result = fast_fill_mmx(got.data() + offset, 0x1A5, count);
            std::memset(want.data() + offset, 0x1A5, count);
            ASSERT_EQ(result, got.data() + offset);
            ASSERT_EQ(got, want) << "offset " << offset << " count " << count;
        }
    }
}

TEST(PixelBlocks, CpuFeaturesReportAFamilyAndAreCached) {
    const uint32_t first = cpu_features();
    EXPECT_NE(first & 0x0F000000u, 0u);
    EXPECT_EQ(cpu_features(), first);
#if defined(__x86_64__)
    EXPECT_NE(first & CPU_FEATURE_MMX, 0u) << "every x86-64 processor has MMX";
#endif
}

using PixelRoutines = ScreenTest;

TEST_F(PixelRoutines, SelectionFollowsTheProcessor) {
    ASSERT_EQ(gfx_screen(13, 0, 1, SCREEN_NULL, 0), 0);
    const bool mmx = (cpu_features() & CPU_FEATURE_MMX) != 0;
    EXPECT_EQ((gfx_context->flags & CTX_HAS_MMX) != 0, mmx);
    EXPECT_EQ(fast_copy == fast_copy_mmx, mmx);
    EXPECT_EQ(fast_fill == fast_fill_mmx, mmx);
}

TEST_F(PixelRoutines, EightBitPixelsAreBytesOfTheRow) {
    ASSERT_EQ(gfx_screen(13, 0, 1, SCREEN_NULL, 0), 0);
    put_pixel(5, 3, 0x1234);
    EXPECT_EQ(gfx_context->pages[0][3 * 320 + 5], 0x34);
    EXPECT_EQ(get_pixel(5, 3), 0x34u);
    fill_span(gfx_context->rows[4] + 10, 0x77, 5);
    EXPECT_EQ(get_pixel(9, 4), 0u);
    EXPECT_EQ(get_pixel(10, 4), 0x77u);
    EXPECT_EQ(get_pixel(14, 4), 0x77u);
    EXPECT_EQ(get_pixel(15, 4), 0u);
    copy_span(gfx_context->rows[6], gfx_context->rows[4] + 8, 8);
    EXPECT_EQ(get_pixel(1, 6), 0u);
    EXPECT_EQ(get_pixel(2, 6), 0x77u);
    EXPECT_EQ(get_pixel(6, 6), 0x77u);
    EXPECT_EQ(get_pixel(7, 6), 0u);
}

TEST_F(PixelRoutines, SixteenBitPixelsAreWords) {
    ASSERT_EQ(gfx_screen_res(40, 10, 16, 1, SCREEN_NULL, 0), 0);
    put_pixel(39, 9, 0xABCDEF);
    EXPECT_EQ(get_pixel(39, 9), 0xCDEFu);
    uint16_t raw = 0;
    std::memcpy(&raw, gfx_context->pages[0] + 9 * 80 + 78, 2);
    EXPECT_EQ(raw, 0xCDEF);
    fill_span(gfx_context->rows[1] + 2, 0x12345678, 3);
    EXPECT_EQ(get_pixel(0, 1), 0u);
    EXPECT_EQ(get_pixel(1, 1), 0x5678u);
    EXPECT_EQ(get_pixel(3, 1), 0x5678u);
    EXPECT_EQ(get_pixel(4, 1), 0u);
    copy_span(gfx_context->rows[2], gfx_context->rows[1], 4);
    EXPECT_EQ(get_pixel(3, 2), 0x5678u);
    EXPECT_EQ(get_pixel(4, 2), 0u);
}

TEST_F(PixelRoutines, ThirtyTwoBitPixelsAreWholeWords) {
    ASSERT_EQ(gfx_screen(14, 32, 1, SCREEN_NULL, 0), 0);
    put_pixel(1, 1, 0xFF102030);
    EXPECT_EQ(get_pixel(1, 1), 0xFF102030u);
    fill_span(gfx_context->rows[0], 0x00ABCDEF, 320);
    EXPECT_EQ(get_pixel(0, 0), 0x00ABCDEFu);
    EXPECT_EQ(get_pixel(319, 0), 0x00ABCDEFu);
    EXPECT_EQ(get_pixel(0, 1), 0u);
    copy_span(gfx_context->rows[239], gfx_context->rows[0], 2);
    EXPECT_EQ(get_pixel(1, 239), 0x00ABCDEFu);
    EXPECT_EQ(get_pixel(2, 239), 0u);
}

TEST_F(PixelRoutines, PixelsOutsideTheTargetAreNeitherWrittenNorRead) {
    ASSERT_EQ(gfx_screen_res(8, 4, 32, 1, SCREEN_NULL, 0), 0);
    fill_span(gfx_context->rows[0], 0x55, 8 * 4);
    for (const auto& p : {std::pair{-1, 0}, std::pair{8, 0}, std::pair{0, -1}, std::pair{0, 4},
                          std::pair{100000, 100000}}) {
        put_pixel(p.first, p.second, 0xDEAD);
        EXPECT_EQ(get_pixel(p.first, p.second), 0u);
    }
    for (int i = 0; i < 8 * 4; ++i) {
        uint32_t v = 0;
        std::memcpy(&v, gfx_context->pages[0] + 4 * i, 4);
        ASSERT_EQ(v, 0x55u) << i;
    }
    fill_span(gfx_context->rows[0], 0xDEAD, 0);
    fill_span(gfx_context->rows[0], 0xDEAD, -3);
    copy_span(gfx_context->rows[0], gfx_context->rows[1], -3);
    EXPECT_EQ(get_pixel(0, 0), 0x55u);
}

TEST_F(PixelRoutines, NoScreenMakesPixelAccessHarmless) {
    ASSERT_EQ(gfx_screen(0, 0, 0, 0, 0), 0);
    put_pixel(0, 0, 1);
    EXPECT_EQ(get_pixel(0, 0), 0u);
}

} // namespace
