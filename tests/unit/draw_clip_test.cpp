// Clipping: every shape drawn in a view equals the same shape drawn whole into a larger image and
// cropped to the view; far coordinates cost only their visible part and stay exact; NaN and
// infinity are refused without a trace; the dirty rows are exactly the rows that changed.
#include <climits>
#include <cmath>
#include <functional>
#include <limits>
#include <random>

#include "draw_test_support.h"
#include "gfx/text/text.h"
#include "rt/rt.h"

namespace {

constexpr int IMAGE_W = 1400;
constexpr int IMAGE_H = 1000;
constexpr int OX = 500; // where the screen's origin lies in the larger image
constexpr int OY = 400;

// One drawing, given the offset to add to its coordinates.
using Shape = std::function<void(float ox, float oy)>;

// Random shapes reaching well past a 320 x 200 screen: lines (solid and styled), boxes, circles,
// ellipses, arcs with radii, fills and text.
std::vector<Shape> random_shapes(int depth, int count, unsigned seed) {
    std::mt19937 rng(seed);
    std::uniform_real_distribution<float> xs(-400, 700);
    std::uniform_real_distribution<float> ys(-350, 550);
    std::uniform_real_distribution<float> centres_x(-100, 420);
    std::uniform_real_distribution<float> centres_y(-100, 300);
    std::uniform_real_distribution<float> radii(0, 340);
    std::uniform_real_distribution<float> aspects(0.3f, 2.0f);
    std::uniform_real_distribution<float> angles(-6.2f, 6.2f);
    std::uniform_int_distribution<int> styles(1, 0xFFFF);
    std::vector<Shape> shapes;
    for (int i = 0; i < count; ++i) {
        const uint32_t c = depth_colour(depth, i);
        const float x1 = xs(rng), y1 = ys(rng), x2 = xs(rng), y2 = ys(rng);
        const float cx = centres_x(rng), cy = centres_y(rng), r = radii(rng), aspect = aspects(rng);
        const float a0 = angles(rng), a1 = angles(rng);
        const auto style = static_cast<uint16_t>(styles(rng));
        switch (i % 9) {
        case 0:
            shapes.push_back([=](float ox, float oy) {
                gfx_line(x1 + ox, y1 + oy, x2 + ox, y2 + oy, c, GFX_LINE, GFX_STYLE_SOLID, 0);
            });
            break;
        case 1:
            shapes.push_back([=](float ox, float oy) {
                gfx_line(x1 + ox, y1 + oy, x2 + ox, y2 + oy, c, GFX_LINE, style, 0);
            });
            break;
        case 2:
            shapes.push_back([=](float ox, float oy) {
                gfx_line(x1 + ox, y1 + oy, x2 + ox, y2 + oy, c, GFX_BOX, style, 0);
            });
            break;
        case 3:
            shapes.push_back([=](float ox, float oy) {
                gfx_line(x1 + ox, y1 + oy, x2 + ox, y2 + oy, c, GFX_BOX_FILLED, 0, 0);
            });
            break;
        case 4:
            shapes.push_back([=](float ox, float oy) {
                gfx_circle(cx + ox, cy + oy, r, c, GFX_OMITTED, GFX_OMITTED, 1, 0);
            });
            break;
        case 5:
            shapes.push_back([=](float ox, float oy) {
                gfx_circle(cx + ox, cy + oy, r, c, GFX_OMITTED, GFX_OMITTED, aspect,
                           GFX_CIRCLE_FILLED);
            });
            break;
        case 6:
            shapes.push_back(
                [=](float ox, float oy) { gfx_circle(cx + ox, cy + oy, r, c, a0, a1, aspect, 0); });
            break;
        case 7:
            shapes.push_back([=](float ox, float oy) {
                gfx_circle(cx + ox, cy + oy, r / 3, c, a0, a1, aspect, GFX_CIRCLE_FILLED);
            });
            break;
        default:
            shapes.push_back([=](float ox, float oy) {
                gfx_draw_text(cx + ox, cy + oy, "Clip me: 0123 #@!", -1, c, 8 + 2 * (i % 2) * 4);
            });
            break;
        }
    }
    return shapes;
}

// Draws the shape on the screen inside the view (x1, y1)-(x2, y2) and whole into a larger image,
// and expects the screen to equal the image cropped to the view, with nothing outside it. Returns
// the number of pixels drawn on the screen.
int expect_clipped_equals_cropped(TestImage& image, const Shape& shape, int x1, int y1, int x2,
                                  int y2, int index) {
    GfxContext* ctx = gfx_context;
    gfx_view(x1, y1, x2, y2, GFX_COLOUR_OMITTED, GFX_COLOUR_OMITTED, 1);
    clear_work();
    shape(0, 0);
    image.clear();
    EXPECT_EQ(gfx_set_target(image.image()), image.image());
    shape(OX, OY);
    gfx_set_target(nullptr);
    int differences = 0;
    int drawn = 0;
    for (int y = 0; y < ctx->height; ++y) {
        for (int x = 0; x < ctx->width; ++x) {
            const bool in_view = x >= x1 && x <= x2 && y >= y1 && y <= y2;
            const uint32_t expected = in_view ? image.pixel(x + OX, y + OY) : 0;
            differences += work_pixel(x, y) != expected;
            drawn += work_pixel(x, y) != 0;
        }
    }
    EXPECT_EQ(differences, 0) << "shape " << index << " depth " << ctx->depth;
    return drawn;
}

} // namespace

TEST_F(DrawTest, ClippedShapesEqualTheWholeShapeCroppedToTheView) {
    for (int depth : DRAW_DEPTHS) {
        ASSERT_TRUE(open_depth(depth));
        const std::vector<Shape> shapes =
            random_shapes(depth, depth == 8 ? 72 : 27, static_cast<unsigned>(depth));
        TestImage image(IMAGE_W, IMAGE_H, gfx_context->bytes_per_pixel);
        int shown = 0;
        for (size_t i = 0; i < shapes.size(); ++i) {
            shown += expect_clipped_equals_cropped(image, shapes[i], 37, 23, 250, 170,
                                                   static_cast<int>(i)) > 0;
        }
        EXPECT_GE(shown, static_cast<int>(shapes.size()) / 4)
            << "many shapes reach into the view, depth " << depth;
        // A view of one pixel, and the whole screen.
        expect_clipped_equals_cropped(image, shapes[4], 160, 100, 160, 100, 4);
        expect_clipped_equals_cropped(image, shapes[0], 0, 0, 319, 199, 0);
    }
}

// A view set relative to the screen moves the coordinates with it unless screen is non-zero.
TEST_F(DrawTest, CoordinatesAreRelativeToTheViewUnlessItWasSetForTheScreen) {
    ASSERT_TRUE(open_depth(8));
    gfx_view(100, 50, 200, 150, GFX_COLOUR_OMITTED, GFX_COLOUR_OMITTED, 0);
    clear_work();
    ASSERT_EQ(gfx_pset(5, 6, 9, 0), 0);
    EXPECT_EQ(work_pixel(105, 56), 9u);
    ASSERT_EQ(gfx_pset(-1, 0, 9, 0), 0); // left of the view: not drawn
    EXPECT_EQ(work_pixel(99, 50), 0u);
    gfx_view(100, 50, 200, 150, GFX_COLOUR_OMITTED, GFX_COLOUR_OMITTED, 1);
    ASSERT_EQ(gfx_pset(105, 56, 8, 0), 0);
    EXPECT_EQ(work_pixel(105, 56), 8u);
}

TEST_F(DrawTest, FarCoordinatesDrawTheirVisiblePartExactly) {
    for (int depth : {8, 32}) {
        ASSERT_TRUE(open_depth(depth));
        const uint32_t c = depth_colour(depth);
        clear_work();
        ASSERT_EQ(gfx_line(-1e9f, -1e9f, 1e9f, 1e9f, c, GFX_LINE, GFX_STYLE_SOLID, 0), 0);
        PixelSet diagonal;
        for (int i = 0; i < 200; ++i) {
            diagonal.insert({i, i});
        }
        EXPECT_EQ(work_pixels(), diagonal);
        clear_work();
        ASSERT_EQ(gfx_line(-1e9f, 77, 1e9f, 77, c, GFX_LINE, 0xFF00, 0), 0);
        for (int x = 0; x < 320; ++x) {
            // the pattern runs from x = -1e9, a multiple of 16 away from x = 0
            EXPECT_EQ(work_pixel(x, 77) != 0, (x % 16) < 8) << x;
        }
        // A circle of radius 1e7 whose top passes through the screen.
        clear_work();
        ASSERT_EQ(gfx_circle(160, 1e7f + 100, 1e7f, c, GFX_OMITTED, GFX_OMITTED, 1, 0), 0);
        const PixelSet arc = work_pixels();
        EXPECT_TRUE(arc.count({160, 100}));
        EXPECT_TRUE(eight_connected(arc));
        for (const auto& [x, y] : arc) {
            const double d = std::hypot(x - 160.0, y - (1e7 + 100)) - 1e7;
            EXPECT_LE(std::fabs(d), 0.5 + 1e-6) << x << "," << y;
        }
        clear_work();
        ASSERT_EQ(
            gfx_circle(160, 1e7f + 100, 1e7f, c, GFX_OMITTED, GFX_OMITTED, 1, GFX_CIRCLE_FILLED),
            0);
        EXPECT_NE(work_pixel(160, 100), 0u);
        EXPECT_NE(work_pixel(0, 199), 0u);
        EXPECT_EQ(work_pixel(160, 99), 0u);
        // Around the screen: nothing to draw.
        clear_work();
        ASSERT_EQ(gfx_circle(160, 100, 1e7f, c, GFX_OMITTED, GFX_OMITTED, 1, 0), 0);
        ASSERT_EQ(gfx_circle(160, 100, 1e30f, c, GFX_OMITTED, GFX_OMITTED, 0.001f, 0), 0);
        ASSERT_EQ(gfx_line(-2e9f, -2e9f, 2e9f, 2e9f, c, GFX_BOX, 0xF0F0, 0), 0);
        EXPECT_TRUE(work_pixels().empty());
        ASSERT_EQ(gfx_line(3e38f, -3e38f, -3e38f, 3e38f, c, GFX_LINE, GFX_STYLE_SOLID, 0), 0);
        ASSERT_EQ(gfx_line(-2e9f, -2e9f, 2e9f, 2e9f, c, GFX_BOX_FILLED, 0, 0), 0);
        EXPECT_EQ(work_pixels().size(), 320u * 200u);
        gfx_draw_box(INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0, 0, 0x1234);
        gfx_view(INT_MIN, INT_MIN, INT_MAX, INT_MAX, GFX_COLOUR_OMITTED, 0, 1);
        EXPECT_EQ(gfx_context->view_w, 320);
    }
}

TEST_F(DrawTest, NanAndInfinityAreRefusedAndChangeNothing) {
    ASSERT_TRUE(open_depth(8));
    clear_work();
    ASSERT_EQ(gfx_pset(3, 4, 1, 0), 0);
    const std::vector<uint8_t> before = work_copy();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    uint32_t colour = 0;
    const std::vector<std::function<int()>> calls = {
        [&] { return gfx_pset(nan, 1, 2, 0); },
        [&] { return gfx_pset(1, inf, 2, 0); },
        [&] { return gfx_point(nan, 1, &colour); },
        [&] { return gfx_line(0, 0, nan, 5, 2, GFX_LINE, GFX_STYLE_SOLID, 0); },
        [&] { return gfx_line(-inf, 0, 5, 5, 2, GFX_BOX_FILLED, GFX_STYLE_SOLID, 0); },
        [&] { return gfx_line(0, 0, 5, 5, 2, 3, GFX_STYLE_SOLID, 0); },
        [&] { return gfx_line(3e38f, 0, 3e38f, 5, 2, GFX_LINE, GFX_STYLE_SOLID, GFX_STEP_SECOND); },
        [&] { return gfx_circle(10, 10, nan, 2, GFX_OMITTED, GFX_OMITTED, 1, 0); },
        [&] { return gfx_circle(10, 10, inf, 2, GFX_OMITTED, GFX_OMITTED, 1, 0); },
        [&] { return gfx_circle(inf, 10, 5, 2, GFX_OMITTED, GFX_OMITTED, 1, 0); },
        [&] { return gfx_circle(10, 10, 5, 2, nan, 1, 1, 0); },
        [&] { return gfx_circle(10, 10, 5, 2, 0, 1, inf, 0); },
        [&] { return gfx_paint(nan, 10, 2, 3, 0); },
        [&] { return gfx_window_coords(0, 0, nan, 5, 0); },
        [&] { return gfx_draw_text(inf, 0, "x", 1, 2, 8); },
        [&] { return gfx_draw_text(0, 0, "x", 1, 2, 9); },
        [&] { return gfx_draw_text(0, 0, nullptr, 1, 2, 8); },
    };
    for (size_t i = 0; i < calls.size(); ++i) {
        rt_set_error(0);
        EXPECT_EQ(calls[i](), 1) << i;
        EXPECT_EQ(rt_last_error(), 1) << i;
        EXPECT_EQ(gfx_context->last_x, 3.0f) << i;
        EXPECT_EQ(gfx_context->last_y, 4.0f) << i;
        EXPECT_EQ(work_copy(), before) << i;
    }
    EXPECT_EQ(gfx_context->flags & CTX_WINDOW_COORDS, 0u);
    gfx_screen(0, 0, 0, 0, 0);
    EXPECT_EQ(gfx_pset(1, 1, 1, 0), 1);
    EXPECT_EQ(gfx_line(1, 1, 2, 2, 1, GFX_LINE, GFX_STYLE_SOLID, 0), 1);
    EXPECT_EQ(gfx_circle(1, 1, 2, 1, GFX_OMITTED, GFX_OMITTED, 0, 0), 1);
    EXPECT_EQ(gfx_paint(1, 1, 2, 1, 0), 1);
    EXPECT_EQ(gfx_point(1, 1, &colour), 1);
    EXPECT_EQ(gfx_window_coords(0, 0, 1, 1, 0), 1);
    EXPECT_EQ(gfx_draw_text(0, 0, "x", 1, 2, 8), 1);
}

// Every operation marks exactly the rows it changed on the visible page, and none while it draws
// on a hidden page or into an image; the lock it takes is given back.
TEST_F(DrawTest, DirtyRowsAreExactlyTheChangedRowsOfTheVisiblePage) {
    for (int depth : DRAW_DEPTHS) {
        ASSERT_TRUE(open_depth(depth));
        GfxContext* ctx = gfx_context;
        const uint32_t c = depth_colour(depth);
        std::vector<Shape> shapes = random_shapes(depth, 18, 77u + static_cast<unsigned>(depth));
        shapes.push_back([=](float, float) { gfx_line(60, 3, 60, 190, c, GFX_LINE, 0x8001, 0); });
        shapes.push_back(
            [=](float, float) { gfx_line(-10, 30, 400, 90, c, GFX_BOX, GFX_STYLE_SOLID, 0); });
        shapes.push_back([=](float, float) { gfx_line(-10, 30, 400, 90, c, GFX_BOX, 0x00F0, 0); });
        shapes.push_back([=](float, float) { gfx_draw_text(5, 17, "= - =", -1, c, 16); });
        shapes.push_back([=](float, float) { gfx_pset(7, 9, c, 0); });
        shapes.push_back([=](float, float) {
            gfx_line(10, 10, 100, 100, c, GFX_BOX, GFX_STYLE_SOLID, 0);
            gfx_paint(50, 50, c, GFX_COLOUR_OMITTED, 0);
        });
        for (size_t i = 0; i < shapes.size(); ++i) {
            clear_work();
            shapes[i](0, 0);
            for (int y = 0; y < ctx->height; ++y) {
                bool changed = false;
                for (int x = 0; x < ctx->width && !changed; ++x) {
                    changed = work_pixel(x, y) != 0;
                }
                EXPECT_EQ(ctx->dirty_rows[y], changed ? 1 : 0)
                    << "depth " << depth << " shape " << i << " row " << y;
            }
            EXPECT_EQ(ctx->flags & (CTX_LOCKED | CTX_AUTO_LOCKED), 0u);
        }
        // A hidden work page and an image target mark nothing.
        gfx_screen_set(1, 0);
        clear_work();
        for (const Shape& s : shapes) {
            s(0, 0);
        }
        EXPECT_FALSE(work_pixels().empty());
        TestImage image(64, 64, ctx->bytes_per_pixel);
        gfx_set_target(image.image());
        for (const Shape& s : shapes) {
            s(0, 0);
        }
        gfx_set_target(nullptr);
        gfx_screen_set(0, 0);
        std::memset(ctx->dirty_rows, 0, static_cast<size_t>(ctx->height));
        gfx_set_target(image.image());
        for (const Shape& s : shapes) {
            s(0, 0);
        }
        gfx_set_target(nullptr);
        for (int y = 0; y < ctx->height; ++y) {
            EXPECT_EQ(ctx->dirty_rows[y], 0) << y;
        }
    }
}
