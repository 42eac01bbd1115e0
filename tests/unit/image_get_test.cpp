// gfx_get: rectangles copied from the target into images, round trips with gfx_put, relative
// corners, and the rectangles and images it refuses.
#include <limits>

#include "tests/unit/image_test_support.h"

namespace {

// The pixel of the work page at (x, y).
uint32_t page_pixel(GfxContext& ctx, int x, int y) {
    return load_pixel(ctx.rows[y] + x * ctx.bytes_per_pixel, ctx.bytes_per_pixel);
}

TEST_P(ImageDepthTest, GetCopiesTheRectangleIntoTheTopLeftCornerInEitherCornerOrder) {
    std::mt19937 rng(23u + static_cast<unsigned>(GetParam()));
    fill_random(ctx().pages[0], static_cast<size_t>(ctx().height) * ctx().width, GetParam(), rng);
    ImageBuffer* image = gfx_image_create(40, 30, 0, 0);
    uint8_t* pixels = nullptr;
    ASSERT_EQ(gfx_image_info(image, nullptr, nullptr, nullptr, &pixels), 0);
    fill_random(pixels, 40 * 30, GetParam(), rng);
    const std::vector<uint8_t> before(pixels, pixels + 40 * 30 * bpp());
    ASSERT_EQ(gfx_get(35, 27, 10, 5, image, 0), 0); // 26 x 23, corners swapped
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x) {
            const size_t at = static_cast<size_t>(y * 40 + x) * bpp();
            const uint32_t want = x < 26 && y < 23 ? page_pixel(ctx(), 10 + x, 5 + y)
                                                   : load_pixel(before.data() + at, bpp());
            ASSERT_EQ(load_pixel(pixels + at, bpp()), want) << x << "," << y;
        }
    }
    EXPECT_EQ(ctx().last_x, 10.0f);
    EXPECT_EQ(ctx().last_y, 5.0f);
    gfx_image_destroy(image);
}

TEST_P(ImageDepthTest, GetThenPutGivesTheRectangleBackElsewhere) {
    std::mt19937 rng(31u * static_cast<unsigned>(GetParam()));
    fill_random(ctx().pages[0], static_cast<size_t>(ctx().height) * ctx().width, GetParam(), rng);
    ImageBuffer* image = gfx_image_create(64, 48, 0, 0);
    ctx().view_x = 7;
    ctx().view_y = 9;
    ctx().view_w = 200;
    ctx().view_h = 150;
    ASSERT_EQ(gfx_get(0, 0, 63, 47, image, 0), 0); // view-relative: pixels 7..70, 9..56
    ASSERT_EQ(gfx_put(100, 90, image, GFX_PUT_COPY, -1), 0);
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 64; ++x) {
            ASSERT_EQ(page_pixel(ctx(), 107 + x, 99 + y), page_pixel(ctx(), 7 + x, 9 + y))
                << x << "," << y;
        }
    }
    gfx_image_destroy(image);
}

TEST_P(ImageDepthTest, StepBitsMakeTheCornersRelative) {
    std::mt19937 rng(41);
    fill_random(ctx().pages[0], static_cast<size_t>(ctx().height) * ctx().width, GetParam(), rng);
    ImageBuffer* a = gfx_image_create(10, 10, 0, 0);
    ImageBuffer* b = gfx_image_create(10, 10, 0, 0);
    ctx().last_x = 20;
    ctx().last_y = 30;
    ASSERT_EQ(gfx_get(5, 6, 9, 9, a, GFX_STEP_FIRST | GFX_STEP_SECOND), 0); // (25, 36) to (34, 45)
    EXPECT_EQ(ctx().last_x, 34.0f);
    EXPECT_EQ(ctx().last_y, 45.0f);
    ASSERT_EQ(gfx_get(25, 36, 34, 45, b, 0), 0);
    EXPECT_EQ(std::memcmp(a + 1, b + 1, 100 * static_cast<size_t>(bpp())), 0);
    ASSERT_EQ(gfx_get(25, 36, 9, 9, b, GFX_STEP_SECOND), 0);
    EXPECT_EQ(std::memcmp(a + 1, b + 1, 100 * static_cast<size_t>(bpp())), 0);
    gfx_image_destroy(a);
    gfx_image_destroy(b);
}

TEST_P(ImageDepthTest, GetReadsFromAnImageTarget) {
    std::mt19937 rng(61u + static_cast<unsigned>(GetParam()));
    ImageBuffer* sheet = gfx_image_create(64, 40, 0, 0);
    uint8_t* sheet_pixels = nullptr;
    gfx_image_info(sheet, nullptr, nullptr, nullptr, &sheet_pixels);
    fill_random(sheet_pixels, 64 * 40, GetParam(), rng);
    ImageBuffer* cell = gfx_image_create(16, 8, 0, 0);
    ASSERT_EQ(gfx_set_target(sheet), sheet);
    ASSERT_EQ(gfx_get(32, 24, 47, 31, cell, 0), 0);
    EXPECT_EQ(gfx_get(60, 24, 75, 31, cell, 0), RT_ERR_ILLEGAL_CALL)
        << "past the image's right edge";
    gfx_set_target(nullptr);
    uint8_t* cell_pixels = nullptr;
    gfx_image_info(cell, nullptr, nullptr, nullptr, &cell_pixels);
    for (int y = 0; y < 8; ++y) {
        EXPECT_EQ(std::memcmp(cell_pixels + y * 16 * bpp(),
                              sheet_pixels + ((24 + y) * 64 + 32) * bpp(),
                              16 * static_cast<size_t>(bpp())),
                  0)
            << y;
    }
    gfx_image_destroy(sheet);
    gfx_image_destroy(cell);
}

TEST_P(ImageDepthTest, BadGetsAreErrorOneAndChangeNothing) {
    ImageBuffer* image = gfx_image_create(10, 10, 0, 0x5);
    ImageBuffer* other = gfx_image_create(10, 10, GetParam() == 32 ? 16 : 32, 0);
    const std::vector<uint8_t> before(reinterpret_cast<uint8_t*>(image + 1),
                                      reinterpret_cast<uint8_t*>(image + 1) + 100 * bpp());
    alignas(4) uint8_t foreign_bytes[4 + 400] = {};
    ImageBuffer* foreign = reinterpret_cast<ImageBuffer*>(foreign_bytes);
    foreign->width = 80;
    foreign->height = 10;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    ctx().view_x = 10;
    ctx().view_y = 10;
    ctx().view_w = 100;
    ctx().view_h = 100;
    ctx().flags |= CTX_VIEW_SCREEN;
    struct Case {
        const char* what;
        float x1, y1, x2, y2;
        ImageBuffer* image;
    } cases[] = {
        {"null image", 10, 10, 12, 12, nullptr},
        {"foreign image", 10, 10, 12, 12, foreign},
        {"other depth", 10, 10, 12, 12, other},
        {"wider than the image", 10, 10, 20, 12, image},
        {"taller than the image", 10, 10, 12, 20, image},
        {"left of the view", 9, 10, 12, 12, image},
        {"above the view", 10, 9, 12, 12, image},
        {"right of the view", 105, 10, 110, 12, image},
        {"below the view", 10, 105, 12, 110, image},
        {"far away", -1e9f, -1e9f, -1e9f + 5, -1e9f + 5, image},
        {"NaN", nan, 10, 12, 12, image},
        {"infinite", 10, 10, inf, 12, image},
    };
    for (const Case& c : cases) {
        rt_set_error(0);
        EXPECT_EQ(gfx_get(c.x1, c.y1, c.x2, c.y2, c.image, 0), RT_ERR_ILLEGAL_CALL) << c.what;
        EXPECT_EQ(rt_last_error(), RT_ERR_ILLEGAL_CALL) << c.what;
    }
    EXPECT_EQ(std::memcmp(image + 1, before.data(), before.size()), 0);
    EXPECT_EQ(gfx_get(10, 10, 19, 19, image, 0), 0) << "the largest rectangle that fits";
    gfx_image_destroy(image);
    gfx_image_destroy(other);
    gfx_screen(0, 0, 0, 0, 0);
    ImageBuffer* no_screen = gfx_image_create(4, 4, 8, 0);
    EXPECT_EQ(gfx_get(0, 0, 1, 1, no_screen, 0), RT_ERR_ILLEGAL_CALL) << "no screen";
    gfx_image_destroy(no_screen);
}

} // namespace
