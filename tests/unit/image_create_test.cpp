// Making, describing and releasing images, and refusing pointers the library did not make.
#include <limits>

#include "tests/unit/image_test_support.h"

namespace {

TEST_F(ImageTest, CreatedImagesHaveTheLayoutAndTheFillOfTheirDepth) {
    struct Case {
        int depth, stored_depth, bpp;
        uint32_t fill, pixel;
    } cases[] = {
        {1, 1, 1, 0xFF, 0x1},
        {2, 2, 1, 0x7, 0x3},
        {4, 4, 1, 0x1F, 0xF},
        {8, 8, 1, 0x1AB, 0xAB},
        {15, 16, 2, 0xFF8040, 0xFC08},
        {16, 16, 2, 0x00FF00, 0x07E0},
        {24, 32, 4, 0x12345678, 0x12345678},
        {32, 32, 4, 0xFF00FF, 0xFF00FF},
    };
    for (const Case& c : cases) {
        ImageBuffer* image = gfx_image_create(13, 7, c.depth, c.fill);
        ASSERT_NE(image, nullptr) << c.depth;
        int w = 0, h = 0, bpp = 0;
        uint8_t* pixels = nullptr;
        ASSERT_EQ(gfx_image_info(image, &w, &h, &bpp, &pixels), 0);
        EXPECT_EQ(w, 13);
        EXPECT_EQ(h, 7);
        EXPECT_EQ(bpp, c.bpp) << c.depth;
        EXPECT_EQ(image->width, 13 * 8);
        EXPECT_EQ(image->height, 7);
        EXPECT_EQ(pixels, image->data());
        for (int i = 0; i < 13 * 7; ++i) {
            ASSERT_EQ(load_pixel(pixels + i * bpp, bpp), c.pixel) << c.depth << " pixel " << i;
        }
        gfx_image_destroy(image);
    }
}

TEST_F(ImageTest, DepthZeroAndTheForegroundMarkerFollowTheScreen) {
    EXPECT_EQ(gfx_image_create(4, 4, 0, 0), nullptr) << "depth 0 needs a screen";
    EXPECT_EQ(rt_last_error(), RT_ERR_ILLEGAL_CALL);
    ASSERT_EQ(gfx_screen_res(64, 64, 16, 1, SCREEN_NULL, 0), 0);
    ImageBuffer* image = gfx_image_create(4, 4, 0, 0xFEFF00FF);
    int bpp = 0;
    uint8_t* pixels = nullptr;
    ASSERT_EQ(gfx_image_info(image, nullptr, nullptr, &bpp, &pixels), 0);
    EXPECT_EQ(bpp, 2);
    EXPECT_EQ(load_pixel(pixels, 2), gfx_context->fg_colour);
    gfx_image_destroy(image);
    ImageBuffer* deeper = gfx_image_create(4, 4, 32, 0xFEFF00FF);
    ASSERT_EQ(gfx_image_info(deeper, nullptr, nullptr, nullptr, &pixels), 0);
    EXPECT_EQ(load_pixel(pixels, 4), 0u) << "the marker at another depth than the screen's";
    gfx_image_destroy(deeper);
}

TEST_F(ImageTest, BadSizesAndDepthsAreRefused) {
    const int sizes[][2] = {{0, 1},
                            {1, 0},
                            {-1, 5},
                            {5, -1},
                            {4096, 1},
                            {1, 32768},
                            {std::numeric_limits<int>::max(), 1},
                            {std::numeric_limits<int>::min(), 1}};
    for (const auto& s : sizes) {
        rt_set_error(0);
        EXPECT_EQ(gfx_image_create(s[0], s[1], 8, 0), nullptr) << s[0] << " x " << s[1];
        EXPECT_EQ(rt_last_error(), RT_ERR_ILLEGAL_CALL);
    }
    for (int depth : {-8, 3, 7, 12, 33, 64}) {
        EXPECT_EQ(gfx_image_create(4, 4, depth, 0), nullptr) << depth;
    }
    ImageBuffer* largest = gfx_image_create(4095, 2, 32, 1);
    EXPECT_NE(largest, nullptr);
    gfx_image_destroy(largest);
}

TEST_F(ImageTest, ForeignAndReleasedImagesAreRefusedWithoutBeingRead) {
    alignas(4) uint8_t bytes[4 + 16] = {};
    ImageBuffer* foreign = reinterpret_cast<ImageBuffer*>(bytes);
    foreign->width = 4 * 8;
    foreign->height = 4;
    int w = -5;
    EXPECT_EQ(gfx_image_info(foreign, &w, nullptr, nullptr, nullptr), RT_ERR_ILLEGAL_CALL);
    EXPECT_EQ(w, -5);
    EXPECT_EQ(gfx_image_info(nullptr, &w, nullptr, nullptr, nullptr), RT_ERR_ILLEGAL_CALL);
    rt_set_error(0);
    gfx_image_destroy(foreign);
    EXPECT_EQ(rt_last_error(), RT_ERR_ILLEGAL_CALL);
    // A pointer that was never an address of anything: compared, never read.
    EXPECT_EQ(gfx_image_info(reinterpret_cast<ImageBuffer*>(uintptr_t{0x10}), &w, nullptr, nullptr,
                             nullptr),
              RT_ERR_ILLEGAL_CALL);
    gfx_image_destroy(nullptr);

    // Many images made and released in mixed order stay known exactly while they live.
    std::vector<ImageBuffer*> images;
    for (int i = 0; i < 300; ++i) {
        images.push_back(gfx_image_create(1 + i % 9, 1 + i % 5, 8, static_cast<uint32_t>(i)));
    }
    for (size_t i = 0; i < images.size(); i += 3) {
        gfx_image_destroy(images[i]);
    }
    for (size_t i = 0; i < images.size(); ++i) {
        if (i % 3 == 0) {
            continue;
        }
        int width = 0;
        ASSERT_EQ(gfx_image_info(images[i], &width, nullptr, nullptr, nullptr), 0) << i;
        ASSERT_EQ(width, 1 + static_cast<int>(i % 9)) << i;
        gfx_image_destroy(images[i]);
    }
    ImageBuffer* last = images.back();
    EXPECT_EQ(gfx_image_info(last, &w, nullptr, nullptr, nullptr), RT_ERR_ILLEGAL_CALL)
        << "released";
}

} // namespace

namespace {

// An image the library made at another depth cannot become the target: its rows would be read
// and written at the screen's pixel size.
TEST_F(ImageTest, OnlyImagesOfTheScreensDepthBecomeTheTarget) {
    ASSERT_EQ(open_depth_screen(32), 0);
    ImageBuffer* shallow = gfx_image_create(16, 16, 8, 1);
    ImageBuffer* deep = gfx_image_create(16, 16, 32, 1);
    rt_set_error(0);
    EXPECT_EQ(gfx_set_target(shallow), nullptr);
    EXPECT_EQ(rt_last_error(), RT_ERR_ILLEGAL_CALL);
    EXPECT_EQ(gfx_context->target, nullptr);
    EXPECT_EQ(gfx_set_target(deep), deep);
    EXPECT_EQ(gfx_set_target(nullptr), nullptr);
    gfx_image_destroy(shallow);
    gfx_image_destroy(deep);
}

} // namespace
