// The graphics view and boxes: placement on the screen, borders, fills, line styles and clipping
// that keeps the style pattern of the whole box.
#include <random>
#include <set>
#include <utility>

#include "text_test_support.h"

namespace {

using ViewBox = TextTest;
using PixelSet = std::set<std::pair<int, int>>;

// The pixels of an outlined box in a line style, walked as a plain loop over the whole outline:
// bottom and top edges left to right, right and left edges top to bottom, one style bit per
// pixel from the top bit down, wrapping every 16 pixels. Only pixels inside the clip rectangle
// (x, y, w, h) are kept.
PixelSet styled_outline(int x1, int y1, int x2, int y2, int style, int vx, int vy, int vw, int vh) {
    struct Edge {
        int x, y, dx, dy, n;
    };
    const Edge edges[4] = {{x1, y2, 1, 0, x2 - x1 + 1},
                           {x1, y1, 1, 0, x2 - x1 + 1},
                           {x2, y1, 0, 1, y2 - y1 + 1},
                           {x1, y1, 0, 1, y2 - y1 + 1}};
    PixelSet set;
    int k = 0;
    for (const Edge& e : edges) {
        for (int i = 0; i < e.n; ++i, ++k) {
            const int x = e.x + i * e.dx;
            const int y = e.y + i * e.dy;
            const bool bit = (style >> (15 - k % 16)) & 1;
            if (bit && x >= vx && x < vx + vw && y >= vy && y < vy + vh) {
                set.insert({x, y});
            }
        }
    }
    return set;
}

// The pixels of page 0 that hold colour c.
PixelSet pixels_of(uint32_t c) {
    PixelSet set;
    for (int y = 0; y < gfx_context->height; ++y) {
        for (int x = 0; x < gfx_context->width; ++x) {
            if (page_pixel(0, x, y) == c) {
                set.insert({x, y});
            }
        }
    }
    return set;
}

TEST_F(ViewBox, TheViewIsThePartOfTheRectangleOnTheScreen) {
    ASSERT_TRUE(open_null_mode(13));
    gfx_view(-10, 0, 100, 100, COLOUR_NONE, COLOUR_NONE, 0);
    const GfxContext* ctx = gfx_context;
    EXPECT_EQ(ctx->view_x, 0);
    EXPECT_EQ(ctx->view_w, 101);
    EXPECT_EQ(ctx->view_h, 101);
    EXPECT_NE(ctx->flags & CTX_VIEW_SET, 0u);
    EXPECT_EQ(ctx->flags & CTX_VIEW_SCREEN, 0u);

    gfx_view(400, 300, 250, 150, COLOUR_NONE, COLOUR_NONE, 1); // corners in any order
    EXPECT_EQ(ctx->view_x, 250);
    EXPECT_EQ(ctx->view_y, 150);
    EXPECT_EQ(ctx->view_w, 70);
    EXPECT_EQ(ctx->view_h, 50);
    EXPECT_NE(ctx->flags & CTX_VIEW_SCREEN, 0u);

    gfx_view(500, 10, 600, 20, COLOUR_NONE, COLOUR_NONE, 0);
    EXPECT_EQ(ctx->view_x, 320);
    EXPECT_EQ(ctx->view_w, 0) << "a view wholly off the screen is empty";
}

TEST_F(ViewBox, TheBorderLiesOnePixelOutsideTheView) {
    ASSERT_TRUE(open_null_mode(18, 32));
    gfx_view(10, 20, 29, 39, 0x00000080, 0x00FF0000, 0);
    const PixelSet border = pixels_of(0x00FF0000);
    const PixelSet expected = styled_outline(9, 19, 30, 40, 0xFFFF, 0, 0, 640, 480);
    EXPECT_EQ(border, expected);
    EXPECT_EQ(pixels_of(0x00000080).size(), 20u * 20u);
    EXPECT_EQ(page_pixel(0, 10, 20), 0x00000080u);
    EXPECT_EQ(page_pixel(0, 29, 39), 0x00000080u);
    EXPECT_EQ(gfx_context->view_x, 10);
    EXPECT_EQ(gfx_context->view_w, 20);
}

TEST_F(ViewBox, ClippedStyledBoxesKeepThePatternOfTheWholeBox) {
    for (int depth : {8, 16, 32}) {
        SCOPED_TRACE(depth);
        ASSERT_TRUE(open_null_mode(18, depth));
        std::mt19937 rng(static_cast<unsigned>(depth));
        for (int round = 0; round < 60; ++round) {
            rt_cls(0);
            const int vx = static_cast<int>(rng() % 200);
            const int vy = static_cast<int>(rng() % 200);
            const int vw = 1 + static_cast<int>(rng() % 200);
            const int vh = 1 + static_cast<int>(rng() % 200);
            gfx_view(vx, vy, vx + vw - 1, vy + vh - 1, COLOUR_NONE, COLOUR_NONE, 0);
            int x1 = static_cast<int>(rng() % 420) - 10;
            int y1 = static_cast<int>(rng() % 420) - 10;
            int x2 = x1 + static_cast<int>(rng() % 150);
            int y2 = y1 + static_cast<int>(rng() % 150);
            const int style = round % 5 == 0 ? 0xFFFF : static_cast<int>(rng() & 0xFFFF);
            gfx_draw_box(x1, y1, x2, y2, 7, 0, style);
            ASSERT_EQ(pixels_of(7), styled_outline(x1, y1, x2, y2, style, vx, vy, vw, vh))
                << "round " << round << " box " << x1 << "," << y1 << "-" << x2 << "," << y2
                << " view " << vx << "," << vy << " " << vw << "x" << vh << " style " << style;
        }
        gfx_view(COORD_OMITTED, COORD_OMITTED, COORD_OMITTED, COORD_OMITTED, COLOUR_NONE,
                 COLOUR_NONE, 0);
    }
}

TEST_F(ViewBox, FilledBoxesCoverTheClippedRectangleAndMarkItsRows) {
    ASSERT_TRUE(open_null_mode(13));
    GfxContext* ctx = gfx_context;
    gfx_view(50, 40, 149, 99, COLOUR_NONE, COLOUR_NONE, 0);
    std::fill(ctx->dirty_rows, ctx->dirty_rows + 200, 0);
    gfx_draw_box(0, 60, 300, 300, 9, 1, 0);
    PixelSet expected;
    for (int y = 60; y < 100; ++y) {
        for (int x = 50; x < 150; ++x) {
            expected.insert({x, y});
        }
    }
    EXPECT_EQ(pixels_of(9), expected);
    for (int y = 0; y < 200; ++y) {
        EXPECT_EQ(ctx->dirty_rows[y], (y >= 60 && y < 100) ? 1 : 0) << y;
    }
    gfx_draw_box(200, 0, 300, 10, 11, 1, 0);
    EXPECT_TRUE(pixels_of(11).empty()) << "a box outside the view draws nothing";
}

} // namespace
