// A program's own drawing: the lock it takes, the rows it marks and the geometry it reads.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "gfx/core/context.h"
#include "gfx/core/pages.h"
#include "gfx/core/palette.h"
#include "gfx/core/screen.h"
#include "qzgfx.h"
#include "rt/rt.h"

namespace {

int lock_calls = 0;
int unlock_calls = 0;

// The Null driver's behaviour with its lock and unlock counted.
void counting_lock() { ++lock_calls; }
void counting_unlock() { ++unlock_calls; }

GfxDriver counting_driver() {
    GfxDriver driver = GFX_DRIVER_NULL;
    driver.lock = counting_lock;
    driver.unlock = counting_unlock;
    return driver;
}

const GfxDriver COUNTING_DRIVER = counting_driver();

// A windowless 320 x 200 x 8 screen with two pages whose driver counts lock and unlock calls.
class ScreenLock : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(gfx_screen(13, 0, 2, SCREEN_NULL, 0), 0);
        gfx_context->driver = &COUNTING_DRIVER;
        std::memset(gfx_context->dirty_rows, 0, static_cast<size_t>(gfx_context->height));
        lock_calls = unlock_calls = 0;
    }
    void TearDown() override { gfx_screen(0, 0, 0, 0, 0); }

    // The rows marked changed, as a string of '0' and '1' for rows first..last.
    static std::string marks(int first, int last) {
        std::string s;
        for (int y = first; y <= last; ++y) {
            s += gfx_context->dirty_rows[y] ? '1' : '0';
        }
        return s;
    }
};

} // namespace

TEST_F(ScreenLock, LockIsTheProgramsUntilItUnlocks) {
    GfxContext* ctx = gfx_context;
    EXPECT_EQ(gfx_screen_lock(), ctx->pages[0]);
    EXPECT_EQ(ctx->flags & (CTX_LOCKED | CTX_AUTO_LOCKED), CTX_LOCKED);
    EXPECT_EQ(gfx_screen_lock(), ctx->pages[0]); // a second lock takes nothing more
    gfx_palette(3, 10, 20, 30);                  // an operation inside keeps the lock held
    EXPECT_EQ(ctx->flags & (CTX_LOCKED | CTX_AUTO_LOCKED), CTX_LOCKED);
    EXPECT_EQ(lock_calls, 1);
    EXPECT_EQ(unlock_calls, 0);
    gfx_screen_unlock(0, -1);
    EXPECT_EQ(ctx->flags & (CTX_LOCKED | CTX_AUTO_LOCKED), 0u);
    EXPECT_EQ(unlock_calls, 1);
    gfx_screen_unlock(0, -1); // nothing left to give back
    EXPECT_EQ(unlock_calls, 1);
    gfx_palette(3, 10, 20, 30); // without the program's lock, operations lock for themselves
    EXPECT_EQ(lock_calls, 2);
    EXPECT_EQ(unlock_calls, 2);
}

TEST_F(ScreenLock, UnlockMarksOnlyTheRowsOnTheScreen) {
    gfx_screen_lock();
    gfx_screen_unlock(-5, 2);
    EXPECT_EQ(marks(0, 3), "1110");
    std::memset(gfx_context->dirty_rows, 0, 200);
    gfx_screen_unlock(197, 5000);
    EXPECT_EQ(marks(195, 199), "00111");
    std::memset(gfx_context->dirty_rows, 0, 200);
    gfx_screen_unlock(9, 3); // an empty range
    gfx_screen_unlock(300, 400);
    EXPECT_EQ(marks(0, 199), std::string(200, '0'));
}

TEST_F(ScreenLock, DrawingOnAHiddenPageMarksNothingUntilItIsShown) {
    GfxContext* ctx = gfx_context;
    gfx_screen_set(1, 0);
    uint8_t* page = gfx_screen_lock();
    ASSERT_EQ(page, ctx->pages[1]);
    page[7 * ctx->pitch + 9] = 42;
    gfx_screen_unlock(7, 7);
    EXPECT_EQ(marks(0, 199), std::string(200, '0'));
    EXPECT_EQ(ctx->pages[0][7 * ctx->pitch + 9], 0);
    gfx_flip(1, 0);
    EXPECT_EQ(ctx->pages[0][7 * ctx->pitch + 9], 42);
    EXPECT_EQ(ctx->dirty_rows[7], 1);
}

TEST_F(ScreenLock, InfoDescribesEachScreenAndFailsWithoutOne) {
    int w = -1, h = -1, d = -1, pitch = -1;
    EXPECT_EQ(gfx_screen_info(&w, &h, &d, &pitch), 0);
    EXPECT_EQ(w * 1000000 + h * 1000 + d, 320200008);
    EXPECT_EQ(pitch, 320);
    ASSERT_EQ(gfx_screen_res(100, 30, 15, 1, SCREEN_NULL, 0), 0);
    EXPECT_EQ(gfx_screen_info(&w, nullptr, &d, &pitch), 0);
    EXPECT_EQ(w, 100);
    EXPECT_EQ(d, 16);
    EXPECT_EQ(pitch, 200);
    ASSERT_EQ(gfx_screen(12, 0, 1, SCREEN_NULL, 0), 0); // 4 bits, one byte a pixel
    EXPECT_EQ(gfx_screen_info(nullptr, &h, &d, &pitch), 0);
    EXPECT_EQ(h, 480);
    EXPECT_EQ(d, 4);
    EXPECT_EQ(pitch, 640);

    gfx_screen(0, 0, 0, 0, 0);
    rt_set_error(0);
    EXPECT_EQ(gfx_screen_info(&w, &h, &d, &pitch), RT_ERR_ILLEGAL_CALL);
    EXPECT_EQ(rt_last_error(), RT_ERR_ILLEGAL_CALL);
    EXPECT_EQ(w | h | d | pitch, 0);
    EXPECT_EQ(gfx_screen_lock(), nullptr);
    gfx_screen_unlock(0, 10); // no screen: nothing to mark, nothing to release
}
