// The 2D drawing operations in a real OpenGL context, checked by reading the drawn pixels back.
#include "demo_gl_test_screen.h"

namespace {

using DemoGlDraw = DemoGlTest;

// A 1 by 2 RGB texture whose first buffer row (the picture's bottom) is red and second green.
Texture red_bottom_green_top() {
    return load_test_texture("qz_rg.tga", 1, 2, 24, {0, 0, 255, 0, 255, 0}, TEXTURE_NEAREST);
}

TEST_F(DemoGlDraw, RectCoversExactlyItsPixelsWhateverTheCornerOrder) {
    draw_rect(10, 10, 0, 0, 0);
    for (int y = 8; y < 23; ++y) {
        for (int x = 8; x < 23; ++x) {
            const bool inside = x >= 10 && x < 20 && y >= 10 && y < 20;
            ASSERT_EQ(inside, drawn_at(x, y)) << x << "," << y;
        }
    }
}

TEST_F(DemoGlDraw, ExactlyOneNegativeExtentIsCulledAndTwoTurnTheQuad) {
    draw_textured_quad(100, 100, 0, -10, 10);
    draw_centered_rect(200, 100, 0, 10, -10);
    EXPECT_FALSE(drawn_at(95, 105));
    EXPECT_FALSE(drawn_at(200, 100));
    draw_textured_quad(300, 300, 0, -10, -10);
    EXPECT_TRUE(drawn_at(295, 295));
    EXPECT_FALSE(drawn_at(305, 305));
}

TEST_F(DemoGlDraw, CentredRectRoundsHalfExtentsToEven) {
    draw_centered_rect(100, 100, 0, 5, 7); // x -2..2, y -4..4
    EXPECT_TRUE(drawn_at(98, 96));
    EXPECT_TRUE(drawn_at(101, 103));
    EXPECT_FALSE(drawn_at(97, 100));
    EXPECT_FALSE(drawn_at(102, 100));
    EXPECT_FALSE(drawn_at(100, 95));
    EXPECT_FALSE(drawn_at(100, 104));
}

TEST_F(DemoGlDraw, TextureIsUprightAndFlippedTurnsIt) {
    Texture t = red_bottom_green_top();
    glEnable(GL_TEXTURE_2D);
    draw_texture(t, 10, 10, 0); // covers (10, 10)-(11, 12)
    EXPECT_EQ(pixel_at(10, 10), (Pixel{0, 255, 0, 255})) << "top of the picture";
    EXPECT_EQ(pixel_at(10, 11), (Pixel{255, 0, 0, 255})) << "bottom of the picture";
    EXPECT_FALSE(drawn_at(11, 10));
    draw_texture_flipped(t, 20, 10, 0);
    EXPECT_EQ(pixel_at(20, 10), (Pixel{255, 0, 0, 255}));
    EXPECT_EQ(pixel_at(20, 11), (Pixel{0, 255, 0, 255}));
    glDeleteTextures(1, &t.id);
}

TEST_F(DemoGlDraw, TextureWithoutImageDrawsThePlainColour) {
    Texture none{};
    none.width = 4;
    none.height = 4;
    glColor4f(0, 0, 1, 1);
    draw_texture(none, 30, 30, 0);
    EXPECT_EQ(pixel_at(31, 31), (Pixel{0, 0, 255, 255}));
}

TEST_F(DemoGlDraw, RegionWithReversedXMirrorsTheTexels) {
    // 3 by 1: red, green, blue from left to right (odd row length: 9 bytes)
    Texture t = load_test_texture("qz_rgb3.tga", 3, 1, 24, {0, 0, 255, 0, 255, 0, 255, 0, 0},
                                  TEXTURE_NEAREST);
    draw_texture_region(t, 50, 50, 0, 0, 0, 3, 1);
    EXPECT_EQ(pixel_at(50, 50), (Pixel{255, 0, 0, 255}));
    EXPECT_EQ(pixel_at(52, 50), (Pixel{0, 0, 255, 255}));
    EXPECT_FALSE(drawn_at(53, 50));
    draw_texture_region(t, 60, 50, 0, 3, 0, 0, 1);
    EXPECT_EQ(pixel_at(60, 50), (Pixel{0, 0, 255, 255}));
    EXPECT_EQ(pixel_at(62, 50), (Pixel{255, 0, 0, 255}));
    draw_texture_region_scaled(t, 70, 60, 100, 70, 0, 1, 0, 2, 1); // the green texel stretched
    EXPECT_EQ(pixel_at(70, 60), (Pixel{0, 255, 0, 255}));
    EXPECT_EQ(pixel_at(99, 69), (Pixel{0, 255, 0, 255}));
    EXPECT_FALSE(drawn_at(100, 65));
    glDeleteTextures(1, &t.id);
}

TEST_F(DemoGlDraw, CellFramesCountRowByRowFromTheTopLeft) {
    // 256 by 128 with 64 by 64 cells; the cell in picture row r, column c has red = 10 * (4r + c + 1)
    std::vector<unsigned char> px;
    for (int file_row = 0; file_row < 128; ++file_row) {
        const int picture_row = 127 - file_row;
        for (int x = 0; x < 256; ++x) {
            const int cell = (picture_row / 64) * 4 + x / 64 + 1;
            px.insert(px.end(), {0, static_cast<unsigned char>(picture_row % 64 < 32 ? 0 : 200),
                                 static_cast<unsigned char>(10 * cell)});
        }
    }
    Texture t = load_test_texture("qz_cells.tga", 256, 128, 24, px, TEXTURE_NEAREST);
    draw_texture_cell(t, 1, 64, 64, 0, 0, 0);
    EXPECT_EQ(pixel_at(0, 0).r, 10);
    EXPECT_EQ(pixel_at(63, 63).r, 10);
    EXPECT_FALSE(drawn_at(64, 10));
    draw_texture_cell(t, 5, 64, 64, 100, 0, 0);
    EXPECT_EQ(pixel_at(100, 0).r, 50) << "frame 5 is the first cell of the second row";
    EXPECT_EQ(pixel_at(100, 0).g, 0) << "upright: the cell's top half is at the top";
    EXPECT_EQ(pixel_at(100, 63).g, 200);
    draw_texture_cell_flipped(t, 5, 64, 64, 200, 0, 0);
    EXPECT_EQ(pixel_at(200, 0).r, 50);
    EXPECT_EQ(pixel_at(200, 0).g, 200) << "flipped: the cell's bottom half is at the top";
    draw_texture_cell(t, 3, 300, 64, 300, 0, 0); // no whole cell across: nothing is drawn
    EXPECT_FALSE(drawn_at(300, 0));
    glDeleteTextures(1, &t.id);
}

TEST_F(DemoGlDraw, TransparentTexelsReachNeitherColourNorDepth) {
    // 2 by 1 RGBA: an opaque white texel, then a transparent one
    Texture t = load_test_texture("qz_alpha.tga", 2, 1, 32, {255, 255, 255, 255, 255, 255, 255, 0},
                                  TEXTURE_NEAREST);
    draw_texture(t, 10, 10, 2);
    EXPECT_EQ(pixel_at(10, 10), (Pixel{255, 255, 255, 255}));
    EXPECT_FALSE(drawn_at(11, 10));
    glBindTexture(GL_TEXTURE_2D, 0);
    glColor4f(1, 0, 0, 1);
    draw_rect(10, 10, 12, 11, 0); // farther than the texture
    EXPECT_EQ(pixel_at(10, 10), (Pixel{255, 255, 255, 255})) << "hidden behind the opaque texel";
    EXPECT_EQ(pixel_at(11, 10), (Pixel{255, 0, 0, 255})) << "no depth was written there";
    glDeleteTextures(1, &t.id);
}

TEST_F(DemoGlDraw, DarkeningPassSquaresEveryChannel) {
    glColor4ub(128, 64, 255, 255);
    draw_rect(0, 0, 640, 480, 0);
    glEnable(GL_BLEND);
    glBlendFunc(GL_DST_COLOR, GL_DST_COLOR);
    glColor4f(0, 0, 0, 1);
    draw_rect(0, 0, 640, 480, 3);
    const Pixel p = pixel_at(320, 240);
    EXPECT_NEAR(p.r, 128 * 128 / 255.0, 1.0);
    EXPECT_NEAR(p.g, 64 * 64 / 255.0, 1.0);
    EXPECT_EQ(p.b, 255);
}

} // namespace
