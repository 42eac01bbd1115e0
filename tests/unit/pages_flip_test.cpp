// Copying and presenting pages, choosing pages, and waiting for the retrace.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "gfx/core/pages.h"
#include "input_test_screen.h"
#include "rt/rt.h"

namespace {

// Whether pixel (x, y) of page a holds the same bytes as in page b.
bool same_pixel(TestScreen& s, int a, int b, int x, int y) {
    return std::memcmp(s.pixel(a, x, y), s.pixel(b, x, y),
                       static_cast<size_t>(s.ctx().bytes_per_pixel)) == 0;
}

// Whether every pixel of page p is zero.
bool page_blank(TestScreen& s, int p) {
    const GfxContext& c = s.ctx();
    const size_t size = static_cast<size_t>(c.height) * c.pitch;
    const uint8_t* data = s.page(p);
    for (size_t i = 0; i < size; ++i) {
        if (data[i]) {
            return false;
        }
    }
    return true;
}

} // namespace

TEST(Pages, DoNothingWithoutAScreen) {
    gfx_flip(-1, -1);
    gfx_screen_set(1, 1);
    rt_set_error(RT_ERR_NONE);
    EXPECT_EQ(gfx_screen_sync(), RT_ERR_ILLEGAL_CALL);
    EXPECT_EQ(rt_last_error(), RT_ERR_ILLEGAL_CALL);
}

TEST(Pages, FlipCopiesTheWorkPageOntoTheVisibleOneAndMarksIt) {
    TestScreen s(40, 30, 4, 2);
    gfx_screen_set(1, 0);
    EXPECT_EQ(s.ctx().work_page, 1);
    EXPECT_EQ(s.ctx().rows[29], s.pixel(1, 0, 29));
    s.paint(1);
    gfx_flip(-1, -1);
    EXPECT_EQ(std::memcmp(s.page(0), s.page(1), 30u * s.ctx().pitch), 0);
    EXPECT_EQ(s.dirty_count(), 30);
    EXPECT_EQ(test_driver_log.locks, 1);
    EXPECT_EQ(test_driver_log.unlocks, 1);
    EXPECT_EQ(s.ctx().flags & (CTX_LOCKED | CTX_AUTO_LOCKED), 0u);
}

TEST(Pages, FlipStaysInsideTheView) {
    TestScreen s(160, 100, 2, 2);
    s.paint(1);
    s.ctx().view_x = 10;
    s.ctx().view_y = 20;
    s.ctx().view_w = 100;
    s.ctx().view_h = 50;
    gfx_flip(1, 0);
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 160; ++x) {
            const bool inside = x >= 10 && x < 110 && y >= 20 && y < 70;
            ASSERT_EQ(same_pixel(s, 0, 1, x, y), inside) << x << "," << y;
        }
        EXPECT_EQ(s.ctx().dirty_rows[y], (y >= 20 && y < 70) ? 1 : 0) << y;
    }
}

TEST(Pages, FlipClipsAViewReachingOutsideTheScreen) {
    TestScreen s(16, 8, 1, 2);
    s.paint(1);
    s.ctx().view_x = -4;
    s.ctx().view_y = 5;
    s.ctx().view_w = 100;
    s.ctx().view_h = 100;
    gfx_flip(1, 0);
    EXPECT_TRUE(same_pixel(s, 0, 1, 0, 5));
    EXPECT_TRUE(same_pixel(s, 0, 1, 15, 7));
    EXPECT_FALSE(same_pixel(s, 0, 1, 0, 4));
    EXPECT_EQ(s.dirty_count(), 3);
}

TEST(Pages, FlipOfAPageOntoItselfOrAMissingPageDoesNothing) {
    TestScreen s(16, 8, 1, 2);
    s.paint(0);
    s.paint(1);
    std::vector<uint8_t> before(s.page(0), s.page(0) + 16 * 8);
    gfx_flip(0, 0);
    gfx_flip(2, 0);
    gfx_flip(1, 2);
    gfx_flip(-1, -1); // the work page is the visible page
    EXPECT_EQ(std::memcmp(s.page(0), before.data(), before.size()), 0);
    EXPECT_EQ(s.dirty_count(), 0);
    EXPECT_EQ(test_driver_log.locks, 0);
}

TEST(Pages, FlipBetweenHiddenPagesTakesNoLockAndMarksNothing) {
    TestScreen s(16, 8, 4, 3);
    s.ctx().text_pages = nullptr; // the text copy takes the lock of its own
    s.paint(1);
    gfx_flip(1, 2);
    EXPECT_EQ(std::memcmp(s.page(2), s.page(1), 8u * s.ctx().pitch), 0);
    EXPECT_TRUE(page_blank(s, 0));
    EXPECT_EQ(s.dirty_count(), 0);
    EXPECT_EQ(test_driver_log.locks, 0);
}

TEST(Pages, FlipOntoTheVisiblePageUnderAHeldLockMarksNothing) {
    TestScreen s(16, 8, 1, 2);
    s.paint(1);
    s.ctx().flags |= CTX_LOCKED;
    gfx_flip(1, -1);
    EXPECT_TRUE(same_pixel(s, 0, 1, 3, 3));
    EXPECT_EQ(s.dirty_count(), 0);
    EXPECT_EQ(test_driver_log.locks, 0);
    EXPECT_EQ(s.ctx().flags & CTX_LOCKED, CTX_LOCKED);
}

TEST(Pages, FlipCopiesTextCellsBetweenDistinctPages) {
    TestScreen s(16, 8, 1, 2);
    s.text(1)[5] = TextCell{'Q', 14, 1};
    gfx_flip(-1, -1); // both default to the work page: no text copy
    EXPECT_EQ(s.text(0)[5].code, 32u);
    gfx_flip(1, 0);
    EXPECT_EQ(s.text(0)[5].code, static_cast<uint32_t>('Q'));
    EXPECT_EQ(s.text(0)[5].foreground, 14u);
    s.text(0)[6] = TextCell{'R', 2, 3};
    gfx_flip(0, 5); // no page 5: no text copy and no pixels
    EXPECT_EQ(s.text(1)[6].code, 32u);
}

TEST(Pages, FlipOnADriverThatPresentsOnlyPresents) {
    TestScreen s(16, 8, 1, 2, &TEST_FLIPPING_DRIVER);
    s.paint(1);
    gfx_screen_set(1, 0);
    gfx_flip(-1, -1);
    EXPECT_EQ(test_driver_log.flips, 1);
    EXPECT_TRUE(page_blank(s, 0));
    EXPECT_EQ(s.dirty_count(), 0);

    s.text(1)[0] = TextCell{'T', 1, 2};
    gfx_flip(1, 0);
    EXPECT_EQ(test_driver_log.flips, 2);
    EXPECT_EQ(s.text(0)[0].code, static_cast<uint32_t>('T'));
    EXPECT_TRUE(page_blank(s, 0));
}

TEST(Pages, FlipReturnsDrawingToTheScreen) {
    TestScreen s(16, 8, 1, 2);
    alignas(ImageBuffer) uint8_t storage[sizeof(ImageBuffer) + 4 * 4] = {};
    ImageBuffer* image = reinterpret_cast<ImageBuffer*>(storage);
    image->width = 4 * 8;
    image->height = 4;
    gfx_set_target(image);
    gfx_flip(1, 0);
    EXPECT_EQ(s.ctx().target, nullptr);
    EXPECT_EQ(s.ctx().flags & CTX_TARGET_IMAGE, 0u);
    EXPECT_EQ(s.ctx().view_w, 16);
}

TEST(Pages, ScreenSetChoosesWorkAndVisiblePages) {
    TestScreen s(16, 8, 2, 3);
    gfx_screen_set(2, -1);
    EXPECT_EQ(s.ctx().work_page, 2);
    EXPECT_EQ(s.ctx().rows[0], s.page(2));
    EXPECT_EQ(s.ctx().rows[7], s.pixel(2, 0, 7));
    EXPECT_EQ(s.ctx().visible_buffer, s.page(0));
    EXPECT_EQ(s.dirty_count(), 0);

    gfx_screen_set(-1, 1);
    EXPECT_EQ(s.ctx().work_page, 2);
    EXPECT_EQ(s.ctx().visible_buffer, s.page(1));
    EXPECT_EQ(s.dirty_count(), 8);
    EXPECT_EQ(test_driver_log.locks, 1);
    EXPECT_EQ(test_driver_log.unlocks, 1);

    gfx_screen_set(-1, -1);
    EXPECT_EQ(s.ctx().work_page, 0);
    EXPECT_EQ(s.ctx().rows[3], s.pixel(0, 0, 3));
    EXPECT_EQ(s.ctx().visible_buffer, s.page(0));
}

TEST(Pages, ScreenSetOfTheShownPageOrMissingPagesChangesNothing) {
    TestScreen s(16, 8, 1, 2);
    gfx_screen_set(-1, 0);
    EXPECT_EQ(s.dirty_count(), 0);
    EXPECT_EQ(test_driver_log.locks, 0);
    gfx_screen_set(2, 7);
    EXPECT_EQ(s.ctx().work_page, 0);
    EXPECT_EQ(s.ctx().rows[1], s.pixel(0, 0, 1));
    EXPECT_EQ(s.ctx().visible_buffer, s.page(0));
    EXPECT_EQ(s.dirty_count(), 0);
}

TEST(Pages, ScreenSetWhileDrawingIntoAnImageKeepsTheImageRows) {
    TestScreen s(16, 8, 1, 2);
    alignas(ImageBuffer) uint8_t storage[sizeof(ImageBuffer) + 32 * 3] = {};
    ImageBuffer* image = reinterpret_cast<ImageBuffer*>(storage);
    image->width = 32 * 8; // wider than the screen
    image->height = 3;
    gfx_set_target(image);
    gfx_screen_set(1, -1);
    EXPECT_EQ(s.ctx().work_page, 1);
    EXPECT_EQ(s.ctx().rows[0], image->data());
    EXPECT_EQ(s.ctx().rows[2], image->data() + 64);
    gfx_set_target(nullptr);
    EXPECT_EQ(s.ctx().rows[0], s.page(1));
    EXPECT_EQ(s.ctx().rows[7], s.pixel(1, 0, 7));
}

TEST(Pages, ScreenSyncWaitsThroughTheDriverWhenItCan) {
    {
        TestScreen s(16, 8, 1, 1);
        EXPECT_EQ(gfx_screen_sync(), 0);
        EXPECT_EQ(test_driver_log.vsyncs, 1);
    }
    TestScreen bare(16, 8, 1, 1, &TEST_BARE_DRIVER);
    EXPECT_EQ(gfx_screen_sync(), 0);
    EXPECT_EQ(test_driver_log.vsyncs, 0);
}
