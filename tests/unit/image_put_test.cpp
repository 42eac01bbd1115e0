// gfx_put against a plain per-pixel model: every mode at every depth and vector level, clipped to
// the view wherever the image lies, into image targets, with the changed rows marked.
#include "tests/unit/image_test_support.h"

#include <limits>

#include "gfx/core/pages.h"

namespace {

// The put modes a screen of depth takes.
std::vector<int> modes_for(int depth) {
    std::vector<int> modes = {GFX_PUT_COPY, GFX_PUT_TRANSPARENT, GFX_PUT_XOR,
                              GFX_PUT_AND,  GFX_PUT_OR,          GFX_PUT_INVERT};
    if (depth == 32) {
        modes.push_back(GFX_PUT_ALPHA);
    }
    return modes;
}

// The alpha argument a case uses: the pixels' own for some, fixed values for others.
int alpha_for(int mode, std::mt19937& rng) {
    if (mode != GFX_PUT_ALPHA) {
        return static_cast<int>(rng() % 300) - 20; // ignored, even out of range
    }
    const int choices[] = {-1, -1, 0, 1, 128, 254, 255};
    return choices[rng() % 7];
}

// A random image of depth and size, returned with its pixels.
ImageBuffer* random_image(int w, int h, int depth, std::mt19937& rng) {
    ImageBuffer* image = gfx_image_create(w, h, depth, 0);
    uint8_t* pixels = nullptr;
    EXPECT_EQ(gfx_image_info(image, nullptr, nullptr, nullptr, &pixels), 0);
    fill_random(pixels, static_cast<size_t>(w) * static_cast<size_t>(h), depth, rng);
    return image;
}

// A picture's pixels, copied out of the image.
std::vector<uint8_t> pixels_of(ImageBuffer* image) {
    int w = 0, h = 0, bpp = 0;
    uint8_t* p = nullptr;
    gfx_image_info(image, &w, &h, &bpp, &p);
    return std::vector<uint8_t>(p, p + static_cast<size_t>(w) * static_cast<size_t>(h) *
                                           static_cast<size_t>(bpp));
}

// Puts random images at random places, some far outside, in every mode under a random view, and
// compares the whole page and the dirty rows with the model.
void check_puts_against_model(GfxContext& ctx, int depth, std::mt19937& rng, int rounds) {
    const int bpp = test_bytes_per_pixel(depth);
    for (int round = 0; round < rounds; ++round) {
        for (int mode : modes_for(depth)) {
            fill_random(ctx.pages[0],
                        static_cast<size_t>(ctx.height) * static_cast<size_t>(ctx.width), depth,
                        rng);
            ctx.view_x = static_cast<int>(rng() % 40);
            ctx.view_y = static_cast<int>(rng() % 30);
            ctx.view_w =
                1 + static_cast<int>(rng() % static_cast<unsigned>(ctx.width - ctx.view_x));
            ctx.view_h =
                1 + static_cast<int>(rng() % static_cast<unsigned>(ctx.height - ctx.view_y));
            const int w = 1 + static_cast<int>(rng() % 70);
            const int h = 1 + static_cast<int>(rng() % 40);
            ImageBuffer* image = random_image(w, h, depth, rng);
            const std::vector<uint8_t> picture = pixels_of(image);
            const int x =
                static_cast<int>(rng() % static_cast<unsigned>(ctx.width + 2 * w)) - w - ctx.view_x;
            const int y = static_cast<int>(rng() % static_cast<unsigned>(ctx.height + 2 * h)) - h -
                          ctx.view_y;
            const int alpha = alpha_for(mode, rng);
            std::vector<uint8_t> expected(
                ctx.pages[0], ctx.pages[0] + static_cast<size_t>(ctx.height) * ctx.pitch);
            const std::vector<bool> written =
                model_put_image({expected.data(), ctx.pitch, ctx.width, ctx.height}, depth,
                                picture.data(), w, h, x + ctx.view_x, y + ctx.view_y, ctx.view_x,
                                ctx.view_y, ctx.view_w, ctx.view_h, mode, alpha);
            std::memset(ctx.dirty_rows, 0, static_cast<size_t>(ctx.height));
            ASSERT_EQ(gfx_put(static_cast<float>(x), static_cast<float>(y), image, mode, alpha), 0);
            SCOPED_TRACE("mode " + std::to_string(mode) + " alpha " + std::to_string(alpha) +
                         " at " + std::to_string(x) + "," + std::to_string(y) + " size " +
                         std::to_string(w) + "x" + std::to_string(h));
            ASSERT_EQ(std::memcmp(ctx.pages[0], expected.data(), expected.size()), 0);
            for (int r = 0; r < ctx.height; ++r) {
                ASSERT_EQ(ctx.dirty_rows[r], written[static_cast<size_t>(r)] ? 1 : 0)
                    << "row " << r;
            }
            EXPECT_EQ(ctx.last_x, static_cast<float>(x));
            EXPECT_EQ(ctx.last_y, static_cast<float>(y));
            gfx_image_destroy(image);
            static_cast<void>(bpp);
        }
    }
}

TEST_P(ImageDepthTest, EveryModeMatchesThePlainModelAtEveryVectorLevel) {
    std::mt19937 rng(static_cast<unsigned>(GetParam()) * 7919u);
    for (CpuIsa isa : {CpuIsa::SCALAR, CpuIsa::SSE2, CpuIsa::AVX2}) {
        SCOPED_TRACE("vector level " + std::to_string(static_cast<int>(isa)));
        cpu_limit_isa(isa);
        check_puts_against_model(ctx(), GetParam(), rng, 12);
    }
}

TEST_P(ImageDepthTest, ClippedPutEqualsTheUnclippedPutCroppedToTheView) {
    std::mt19937 rng(99u + static_cast<unsigned>(GetParam()));
    const int depth = GetParam();
    for (int mode : modes_for(depth)) {
        ImageBuffer* image = random_image(53, 37, depth, rng);
        fill_random(ctx().pages[0], static_cast<size_t>(ctx().height) * ctx().width, depth, rng);
        const std::vector<uint8_t> before(
            ctx().pages[0], ctx().pages[0] + static_cast<size_t>(ctx().height) * ctx().pitch);
        ASSERT_EQ(gfx_put(100, 50, image, mode, -1), 0);
        const std::vector<uint8_t> whole(ctx().pages[0], ctx().pages[0] + before.size());
        std::memcpy(ctx().pages[0], before.data(), before.size());
        ctx().view_x = 120;
        ctx().view_y = 60;
        ctx().view_w = 20;
        ctx().view_h = 11;
        ctx().flags |= CTX_VIEW_SCREEN; // coordinates stay absolute
        ASSERT_EQ(gfx_put(100, 50, image, mode, -1), 0);
        const int bpp = test_bytes_per_pixel(depth);
        for (int y = 0; y < ctx().height; ++y) {
            for (int x = 0; x < ctx().width; ++x) {
                const bool inside = x >= 120 && x < 140 && y >= 60 && y < 71;
                const size_t at =
                    static_cast<size_t>(y) * ctx().pitch + static_cast<size_t>(x) * bpp;
                const uint32_t want = load_pixel((inside ? whole : before).data() + at, bpp);
                ASSERT_EQ(load_pixel(ctx().pages[0] + at, bpp), want)
                    << "mode " << mode << " at " << x << "," << y;
            }
        }
        ctx().flags &= ~CTX_VIEW_SCREEN;
        ctx().view_x = ctx().view_y = 0;
        ctx().view_w = ctx().width;
        ctx().view_h = ctx().height;
        gfx_image_destroy(image);
    }
}

TEST_P(ImageDepthTest, FarCoordinatesDrawNothingAndAreNoError) {
    std::mt19937 rng(5);
    ImageBuffer* image = random_image(32, 32, GetParam(), rng);
    fill_random(ctx().pages[0], static_cast<size_t>(ctx().height) * ctx().width, GetParam(), rng);
    const std::vector<uint8_t> before(
        ctx().pages[0], ctx().pages[0] + static_cast<size_t>(ctx().height) * ctx().pitch);
    for (float c : {-1e9f, 1e9f, -3e38f, 3e38f, -2147483648.0f, 2147483520.0f}) {
        EXPECT_EQ(gfx_put(c, 5, image, GFX_PUT_COPY, -1), 0);
        EXPECT_EQ(gfx_put(5, c, image, GFX_PUT_COPY, -1), 0);
        EXPECT_EQ(gfx_put(c, c, image, GFX_PUT_OR, -1), 0);
    }
    EXPECT_EQ(std::memcmp(ctx().pages[0], before.data(), before.size()), 0);
    gfx_image_destroy(image);
}

TEST_P(ImageDepthTest, PutsIntoAnImageTargetLikeOntoTheScreenAndMarkNothing) {
    std::mt19937 rng(17u * static_cast<unsigned>(GetParam()));
    const int depth = GetParam();
    const int bpp = test_bytes_per_pixel(depth);
    ImageBuffer* target = random_image(45, 29, depth, rng);
    uint8_t* target_pixels = nullptr;
    gfx_image_info(target, nullptr, nullptr, nullptr, &target_pixels);
    std::memset(ctx().dirty_rows, 0, static_cast<size_t>(ctx().height));
    const std::vector<uint8_t> page(
        ctx().pages[0], ctx().pages[0] + static_cast<size_t>(ctx().height) * ctx().pitch);
    ASSERT_EQ(gfx_set_target(target), target);
    for (int mode : modes_for(depth)) {
        ImageBuffer* image = random_image(20, 14, depth, rng);
        const std::vector<uint8_t> picture = pixels_of(image);
        std::vector<uint8_t> expected(target_pixels, target_pixels + 45 * 29 * bpp);
        model_put_image({expected.data(), 45 * bpp, 45, 29}, depth, picture.data(), 20, 14, 30, -3,
                        0, 0, 45, 29, mode, -1);
        ASSERT_EQ(gfx_put(30, -3, image, mode, -1), 0);
        EXPECT_EQ(std::memcmp(target_pixels, expected.data(), expected.size()), 0)
            << "mode " << mode;
        gfx_image_destroy(image);
    }
    EXPECT_EQ(gfx_put(0, 0, target, GFX_PUT_COPY, -1), RT_ERR_ILLEGAL_CALL)
        << "an image cannot be put into itself";
    gfx_image_destroy(target); // also returns drawing to the screen
    EXPECT_EQ(ctx().target, nullptr);
    EXPECT_EQ(std::memcmp(ctx().pages[0], page.data(), page.size()), 0);
    for (int r = 0; r < ctx().height; ++r) {
        ASSERT_EQ(ctx().dirty_rows[r], 0) << r;
    }
}

TEST_P(ImageDepthTest, PutsOnAHiddenPageMarkNoRows) {
    std::mt19937 rng(3);
    ImageBuffer* image = random_image(10, 10, GetParam(), rng);
    gfx_screen_set(1, 0);
    std::memset(ctx().dirty_rows, 0, static_cast<size_t>(ctx().height));
    ASSERT_EQ(gfx_put(4, 4, image, GFX_PUT_COPY, -1), 0);
    for (int r = 0; r < ctx().height; ++r) {
        ASSERT_EQ(ctx().dirty_rows[r], 0) << r;
    }
    EXPECT_EQ(load_pixel(ctx().pages[1] + 4 * ctx().pitch + 4 * bpp(), bpp()),
              load_pixel(pixels_of(image).data(), bpp()));
    gfx_image_destroy(image);
}

TEST_P(ImageDepthTest, BadPutsAreErrorOneAndDrawNothing) {
    std::mt19937 rng(11);
    const int depth = GetParam();
    ImageBuffer* image = random_image(8, 8, depth, rng);
    ImageBuffer* other = gfx_image_create(8, 8, depth == 32 ? 8 : 32, 0);
    alignas(4) uint8_t foreign_bytes[4 + 64 * 4] = {};
    ImageBuffer* foreign = reinterpret_cast<ImageBuffer*>(foreign_bytes);
    foreign->width = 8 * 8;
    foreign->height = 8;
    const std::vector<uint8_t> before(
        ctx().pages[0], ctx().pages[0] + static_cast<size_t>(ctx().height) * ctx().pitch);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    struct Case {
        const char* what;
        float x, y;
        const ImageBuffer* image;
        int mode, alpha;
    } cases[] = {
        {"null image", 0, 0, nullptr, GFX_PUT_COPY, -1},
        {"foreign image", 0, 0, foreign, GFX_PUT_COPY, -1},
        {"other depth", 0, 0, other, GFX_PUT_COPY, -1},
        {"mode below", 0, 0, image, -1, -1},
        {"mode above", 0, 0, image, GFX_PUT_ALPHA + 1, -1},
        {"alpha below", 0, 0, image, GFX_PUT_ALPHA, -2},
        {"alpha above", 0, 0, image, GFX_PUT_ALPHA, 256},
        {"NaN x", nan, 0, image, GFX_PUT_COPY, -1},
        {"NaN y", 0, nan, image, GFX_PUT_COPY, -1},
        {"infinite x", inf, 0, image, GFX_PUT_COPY, -1},
        {"infinite y", 0, -inf, image, GFX_PUT_COPY, -1},
    };
    for (const Case& c : cases) {
        rt_set_error(0);
        EXPECT_EQ(gfx_put(c.x, c.y, c.image, c.mode, c.alpha), RT_ERR_ILLEGAL_CALL) << c.what;
        EXPECT_EQ(rt_last_error(), RT_ERR_ILLEGAL_CALL) << c.what;
    }
    if (depth != 32) {
        EXPECT_EQ(gfx_put(0, 0, image, GFX_PUT_ALPHA, 128), RT_ERR_ILLEGAL_CALL)
            << "alpha below 32 bits";
    }
    image->width = 9 * 8; // a changed size field makes the image unknown
    EXPECT_EQ(gfx_put(0, 0, image, GFX_PUT_COPY, -1), RT_ERR_ILLEGAL_CALL);
    image->width = 8 * 8;
    EXPECT_EQ(std::memcmp(ctx().pages[0], before.data(), before.size()), 0);
    gfx_image_destroy(image);
    gfx_image_destroy(other);
    gfx_screen(0, 0, 0, 0, 0);
    ImageBuffer* no_screen = gfx_image_create(4, 4, 8, 0);
    EXPECT_EQ(gfx_put(0, 0, no_screen, GFX_PUT_COPY, -1), RT_ERR_ILLEGAL_CALL) << "no screen";
    gfx_image_destroy(no_screen);
}

INSTANTIATE_TEST_SUITE_P(Depths, ImageDepthTest, ::testing::ValuesIn(IMAGE_TEST_DEPTHS),
                         depth_name);

} // namespace
