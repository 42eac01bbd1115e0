// Drawing into an image and back to the screen.
#include <gtest/gtest.h>

#include <vector>

#include "gfx/core/pages.h"
#include "input_test_screen.h"
#include "rt/rt.h"

namespace {

// An ImageBuffer of w x h pixels of bpp bytes (a negative size gets no pixel storage).
class TestImage {
public:
    TestImage(int w, int h, int bpp)
        : words_(1 + (static_cast<size_t>(w > 0 ? w : 0) * static_cast<size_t>(h > 0 ? h : 0) *
                          static_cast<size_t>(bpp) +
                      3) /
                         4) {
        image()->width = static_cast<int16_t>(w * 8);
        image()->height = static_cast<int16_t>(h);
    }
    ImageBuffer* image() { return reinterpret_cast<ImageBuffer*>(words_.data()); }

private:
    std::vector<uint32_t> words_; // the 4-byte header, then the pixels
};

} // namespace

TEST(DrawTarget, AnImageBecomesTheViewAndTheRows) {
    TestScreen s(64, 32, 4, 1);
    s.ctx().view_x = 3;
    s.ctx().view_y = 4;
    s.ctx().view_w = 20;
    s.ctx().view_h = 10;
    TestImage img(10, 5, 4);
    ImageBuffer* image = img.image();
    EXPECT_EQ(gfx_set_target(image), image);
    const GfxContext& c = s.ctx();
    EXPECT_EQ(c.target, image);
    EXPECT_EQ(c.flags & CTX_TARGET_IMAGE, CTX_TARGET_IMAGE);
    EXPECT_EQ(c.view_x, 0);
    EXPECT_EQ(c.view_y, 0);
    EXPECT_EQ(c.view_w, 10);
    EXPECT_EQ(c.view_h, 5);
    EXPECT_EQ(c.target_pitch, 40);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(c.rows[i], image->data() + 40 * i);
    }
    EXPECT_EQ(c.rows[5], s.pixel(0, 0, 5)); // rows past the image are left alone

    EXPECT_EQ(gfx_set_target(nullptr), nullptr);
    EXPECT_EQ(c.target, nullptr);
    EXPECT_EQ(c.flags & CTX_TARGET_IMAGE, 0u);
    EXPECT_EQ(c.view_x, 3);
    EXPECT_EQ(c.view_y, 4);
    EXPECT_EQ(c.view_w, 20);
    EXPECT_EQ(c.view_h, 10);
    EXPECT_EQ(c.target_pitch, c.pitch);
    for (int i = 0; i < 32; ++i) {
        ASSERT_EQ(c.rows[i], s.pixel(0, 0, i));
    }
}

TEST(DrawTarget, SwitchingImagesKeepsTheScreensView) {
    TestScreen s(64, 32, 1, 2);
    s.ctx().view_w = 30;
    gfx_screen_set(1, -1);
    TestImage a(8, 8, 1);
    TestImage b(4, 2, 1);
    gfx_set_target(a.image());
    gfx_set_target(a.image()); // the same image again
    gfx_set_target(b.image());
    EXPECT_EQ(s.ctx().view_w, 4);
    EXPECT_EQ(s.ctx().rows[1], b.image()->data() + 4);
    gfx_set_target(nullptr);
    EXPECT_EQ(s.ctx().view_w, 30);
    EXPECT_EQ(s.ctx().rows[0], s.page(1));
}

TEST(DrawTarget, ATallImageGrowsTheRowTable) {
    TestScreen s(16, 8, 2, 1);
    TestImage img(3, 40, 2);
    gfx_set_target(img.image());
    EXPECT_GE(s.ctx().rows_capacity, 40);
    EXPECT_EQ(s.ctx().rows[39], img.image()->data() + 39 * 6);
    gfx_set_target(nullptr);
    EXPECT_EQ(s.ctx().rows[7], s.pixel(0, 0, 7));
    EXPECT_EQ(s.ctx().view_h, 8);
}

TEST(DrawTarget, AnImageOfNegativeSizeIsRefusedAndChangesNothing) {
    TestScreen s(16, 8, 1, 1);
    for (int w : {-1, 4}) {
        TestImage img(w, w < 0 ? 2 : -3, 1);
        rt_set_error(RT_ERR_NONE);
        EXPECT_EQ(gfx_set_target(img.image()), nullptr);
        EXPECT_EQ(rt_last_error(), RT_ERR_ILLEGAL_CALL);
        EXPECT_EQ(s.ctx().target, nullptr);
        EXPECT_EQ(s.ctx().flags & CTX_TARGET_IMAGE, 0u);
        EXPECT_EQ(s.ctx().view_w, 16);
        EXPECT_EQ(s.ctx().view_h, 8);
        EXPECT_EQ(s.ctx().target_pitch, 16);
        EXPECT_EQ(s.ctx().rows[0], s.page(0));
    }
}

TEST(DrawTarget, ReturningToTheScreenWhenAlreadyThereChangesNothing) {
    TestScreen s(16, 8, 1, 1);
    s.ctx().view_w = 5;
    gfx_set_target(nullptr);
    EXPECT_EQ(s.ctx().view_w, 5);
    EXPECT_EQ(s.ctx().rows[0], s.page(0));
}
