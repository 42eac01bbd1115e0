// Mapping logical coordinates to pixels, relative coordinates, and rectangle ordering.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "gfx/core/coords.h"
#include "screen_test_support.h"

namespace {

class Coords : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        ASSERT_EQ(gfx_screen_res(200, 200, 8, 1, SCREEN_NULL, 0), 0);
    }

    // Maps (x, y) and returns the pixel.
    static std::pair<int, int> map(float x, float y) {
        int px = 0;
        int py = 0;
        gfx_map_coords(x, y, &px, &py);
        return {px, py};
    }

    // Puts logical window coordinates (0, 0) .. (10, 10) over a 100 x 100 view at the origin.
    static void set_window() {
        GfxContext* ctx = gfx_context;
        ctx->view_w = ctx->view_h = 100;
        ctx->win_x = ctx->win_y = 0;
        ctx->win_w = ctx->win_h = 11;
        ctx->flags |= CTX_WINDOW_COORDS;
    }
};

TEST_F(Coords, PlainCoordinatesRoundHalfAwayFromZeroAndAddTheViewOrigin) {
    gfx_context->view_x = 10;
    gfx_context->view_y = 20;
    EXPECT_EQ(map(2.5f, -2.5f), std::make_pair(13, 17));
    EXPECT_EQ(map(0.49f, -0.49f), std::make_pair(10, 20));
    gfx_context->flags |= CTX_VIEW_SCREEN;
    EXPECT_EQ(map(2.5f, -2.5f), std::make_pair(3, -3));
}

TEST_F(Coords, WindowCoordinatesScaleToTheViewAndFlipY) {
    set_window();
    EXPECT_EQ(map(10, 0), std::make_pair(100, 99));
    EXPECT_EQ(map(5, 10), std::make_pair(50, -1));
    gfx_context->flags |= CTX_SCREEN_COORDS;
    EXPECT_EQ(map(10, 0), std::make_pair(100, 0));
    gfx_context->view_x = 7;
    gfx_context->view_y = 3;
    EXPECT_EQ(map(10, 0), std::make_pair(107, 3));
}

TEST_F(Coords, AbsurdInputsStayWithinIntRange) {
    gfx_context->view_x = 5;
    EXPECT_EQ(map(3e30f, -3e30f), std::make_pair(INT_MAX, INT_MIN));
    EXPECT_EQ(map(std::nanf(""), 0), std::make_pair(5, 0));
    set_window();
    gfx_context->win_w = 1;
    int px = 0;
    gfx_map_coords(1, 1, &px, nullptr);
    EXPECT_EQ(px, INT_MAX);
}

TEST_F(Coords, ResolveStepHandlesEachKind) {
    float x1 = 5, y1 = 5, x2 = 2, y2 = 3;
    gfx_context->last_x = gfx_context->last_y = 1;
    gfx_resolve_step(1, &x1, &y1, &x2, &y2);
    EXPECT_FLOAT_EQ(x1, 5);
    EXPECT_FLOAT_EQ(x2, 7);
    EXPECT_FLOAT_EQ(y2, 8);
    EXPECT_FLOAT_EQ(gfx_context->last_x, 7);
    EXPECT_FLOAT_EQ(gfx_context->last_y, 8);

    x1 = 1, y1 = 2;
    gfx_resolve_step(2, &x1, &y1, nullptr, nullptr);
    EXPECT_FLOAT_EQ(x1, 8);
    EXPECT_FLOAT_EQ(y1, 10);
    EXPECT_FLOAT_EQ(gfx_context->last_x, 8);
    EXPECT_FLOAT_EQ(gfx_context->last_y, 10);

    x1 = 1, y1 = 1, x2 = 1, y2 = 1;
    gfx_resolve_step(3, &x1, &y1, &x2, &y2);
    EXPECT_FLOAT_EQ(x1, 9);
    EXPECT_FLOAT_EQ(y1, 11);
    EXPECT_FLOAT_EQ(x2, 10);
    EXPECT_FLOAT_EQ(y2, 12);

    x1 = -1, y1 = -1, x2 = 4, y2 = 4;
    gfx_resolve_step(5, &x1, &y1, &x2, &y2);
    EXPECT_FLOAT_EQ(x1, 9);
    EXPECT_FLOAT_EQ(x2, 4);
    EXPECT_FLOAT_EQ(gfx_context->last_x, 4);

    x1 = 30, y1 = 31, x2 = 32, y2 = 33;
    gfx_resolve_step(0, &x1, &y1, &x2, &y2);
    EXPECT_FLOAT_EQ(x1, 30);
    EXPECT_FLOAT_EQ(x2, 32);
    EXPECT_FLOAT_EQ(gfx_context->last_y, 33);
}

TEST_F(Coords, ResolveStepIgnoresMissingPoints) {
    gfx_context->last_x = 2;
    float x = 1, y = 1;
    gfx_resolve_step(2, nullptr, &y, nullptr, nullptr);
    gfx_resolve_step(1, &x, &y, nullptr, nullptr);
    gfx_resolve_step(3, &x, &y, &x, nullptr);
    EXPECT_FLOAT_EQ(x, 1);
    EXPECT_FLOAT_EQ(gfx_context->last_x, 2);
}

TEST(CoordsOrder, RectCornersAreOrdered) {
    int x1 = 9, y1 = -2, x2 = 3, y2 = 7;
    gfx_order_rect(&x1, &y1, &x2, &y2);
    EXPECT_EQ(x1, 3);
    EXPECT_EQ(x2, 9);
    EXPECT_EQ(y1, -2);
    EXPECT_EQ(y2, 7);
    y1 = 8;
    gfx_order_rect(&x1, &y1, &x2, &y2);
    EXPECT_EQ(y1, 7);
    EXPECT_EQ(y2, 8);
    gfx_order_rect(nullptr, &y1, &x2, &y2);
}

} // namespace
