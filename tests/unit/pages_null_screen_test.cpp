// Pages, title and input on a real windowless screen opened by set-mode.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "gfx/core/context.h"
#include "gfx/core/pages.h"
#include "gfx/core/screen.h"
#include "gfx/input/input.h"
#include "rt/rt.h"

namespace {

class NullScreen : public ::testing::Test {
protected:
    void SetUp() override {
        std::memcpy(saved_title_, gfx_title, GFX_TITLE_SIZE);
        ASSERT_EQ(gfx_screen_res(64, 32, 32, 2, SCREEN_NULL, 0), 0);
        ASSERT_NE(gfx_context, nullptr);
        while (gfx_read_key() != 0) {
        }
    }
    void TearDown() override {
        gfx_screen(0, 0, 0, 0, 0);
        std::memcpy(gfx_title, saved_title_, GFX_TITLE_SIZE);
    }
    char saved_title_[GFX_TITLE_SIZE] = {};
};

} // namespace

TEST_F(NullScreen, FlipShowsTheWorkPageInMemory) {
    GfxContext* ctx = gfx_context;
    gfx_screen_set(1, 0);
    ctx->rows[10][4 * 5] = 0xAB; // pixel (5, 10) of the work page
    std::memset(ctx->dirty_rows, 0, static_cast<size_t>(ctx->height));
    gfx_flip(-1, -1);
    EXPECT_EQ(ctx->pages[0][10 * ctx->pitch + 20], 0xAB);
    for (int y = 0; y < ctx->height; ++y) {
        ASSERT_EQ(ctx->dirty_rows[y], 1) << y;
    }
    EXPECT_EQ(ctx->flags & (CTX_LOCKED | CTX_AUTO_LOCKED), 0u);
}

TEST_F(NullScreen, FlipCarriesTheTextCellsOfAPage) {
    GfxContext* ctx = gfx_context;
    ASSERT_NE(ctx->text_pages, nullptr);
    ctx->text_pages[1][3] = TextCell{'W', 9, 1};
    gfx_flip(1, 0);
    EXPECT_EQ(ctx->text_pages[0][3].code, static_cast<uint32_t>('W'));
}

TEST_F(NullScreen, HasNoRetraceMouseOrCaptionButAnswers) {
    EXPECT_EQ(gfx_screen_sync(), 0);
    int x = 0, y = 0;
    EXPECT_EQ(gfx_getmouse(&x, &y, nullptr, nullptr), RT_ERR_ILLEGAL_CALL);
    EXPECT_EQ(x, -1);
    EXPECT_EQ(gfx_setmouse(1, 1, 1), RT_ERR_ILLEGAL_CALL);
    gfx_window_title(rt_string_temp("windowless", -1));
    EXPECT_STREQ(gfx_title, "windowless");
    EXPECT_EQ(gfx_multikey(1), 0);
}

TEST_F(NullScreen, KeysPostedReachInkeyAndGetkey) {
    gfx_post_key('r');
    gfx_post_key(CLOSE_KEY_CODE);
    RtString* s = gfx_inkey();
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(std::string(s->data, rt_string_length(s)), "r");
    rt_string_release_temp(s);
    EXPECT_EQ(gfx_getkey(), CLOSE_KEY_CODE);
}

TEST_F(NullScreen, ADrawingTargetIsLeftWhenTheScreenIsReplaced) {
    alignas(ImageBuffer) uint8_t storage[sizeof(ImageBuffer) + 4 * 2 * 4] = {};
    ImageBuffer* image = reinterpret_cast<ImageBuffer*>(storage);
    image->width = 4 * 8;
    image->height = 2;
    ASSERT_EQ(gfx_set_target(image), image);
    ASSERT_EQ(gfx_screen_res(32, 16, 32, 1, SCREEN_NULL, 0), 0);
    EXPECT_EQ(gfx_context->target, nullptr);
    EXPECT_EQ(gfx_context->view_w, 32);
    EXPECT_EQ(gfx_set_target(nullptr), nullptr);
    EXPECT_EQ(gfx_context->rows[15], gfx_context->pages[0] + 15 * gfx_context->pitch);
}
