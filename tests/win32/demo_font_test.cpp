// The display-list font in a real OpenGL context, built from the committed glyph sheet and
// metrics and checked by reading the drawn pixels back.
#include "demo/font.h"
#include "demo_gl_test_screen.h"

namespace {

constexpr const char* SHEET = "resources/font/font.tga";
constexpr const char* METRICS = "resources/font/font.metrics";

// Block glyphs of the sheet: the full block fills columns 4-11 of its cell on every row; the half
// blocks fill the cell's left, right, upper or lower half of that.
constexpr const char* FULL_BLOCK = "\xDB";
constexpr const char* LOWER_HALF = "\xDC";
constexpr const char* LEFT_HALF = "\xDD";
constexpr const char* RIGHT_HALF = "\xDE";
constexpr const char* UPPER_HALF = "\xDF";

// Whether the pixel at (x, y) shows ink: at least half bright in red.
bool ink_at(int x, int y) { return pixel_at(x, y).r >= 128; }

// The first and last column in [from, to) of row y that show ink; (-1, -1) when none does.
std::pair<int, int> ink_span(int y, int from, int to) {
    int first = -1, last = -1;
    for (int x = from; x < to; ++x) {
        if (ink_at(x, y)) {
            first = first < 0 ? x : first;
            last = x;
        }
    }
    return {first, last};
}

class DemoFont : public DemoGlTest {
protected:
    static void SetUpTestSuite() {
        DemoGlTest::SetUpTestSuite();
        font_ = Font{};
        built_ = build_font(font_, SHEET, METRICS);
    }
    static void TearDownTestSuite() {
        delete_font(font_);
        DemoGlTest::TearDownTestSuite();
    }
    void SetUp() override {
        DemoGlTest::SetUp();
        ASSERT_TRUE(built_) << "the committed font did not load";
        font_.spacing = 0;
        font_.monospace = 0;
    }
    static Font font_;
    static bool built_;
};
Font DemoFont::font_;
bool DemoFont::built_ = false;

TEST_F(DemoFont, GlyphsAreUprightAndUnmirroredAtTheirCorner) {
    print_text(font_, UPPER_HALF, 20, 30, 0, 1.0f);
    EXPECT_TRUE(ink_at(20, 30));
    EXPECT_FALSE(ink_at(20, 29));
    EXPECT_FALSE(ink_at(20, 45)) << "the upper half block shows its ink on top";
    print_text(font_, LOWER_HALF, 60, 30, 0, 1.0f);
    EXPECT_FALSE(ink_at(60, 30));
    EXPECT_TRUE(ink_at(60, 45));
    EXPECT_FALSE(ink_at(60, 46));

    const GlyphMetrics left = font_.glyphs[0xDD], right = font_.glyphs[0xDE];
    font_.glyphs[0xDD].x_offset = font_.glyphs[0xDE].x_offset = 0; // draw whole cells at the pen
    print_text(font_, LEFT_HALF, 100, 30, 0, 1.0f);
    print_text(font_, RIGHT_HALF, 140, 30, 0, 1.0f);
    font_.glyphs[0xDD] = left;
    font_.glyphs[0xDE] = right;
    EXPECT_EQ(ink_span(38, 96, 120), std::make_pair(104, 107));
    EXPECT_EQ(ink_span(38, 136, 160), std::make_pair(148, 151));
}

TEST_F(DemoFont, ProportionalPenAddsWidthAndSpacingAndCode160AdvancesSixteen) {
    const int block = font_.glyphs[0xDB].width;
    EXPECT_EQ(block, 9) << "eight ink columns and one of gap";
    font_.spacing = 3;
    const std::string text = std::string(FULL_BLOCK) + "\xA0" + FULL_BLOCK;
    print_text(font_, text.c_str(), 50, 100, 0, 1.0f);
    EXPECT_EQ(ink_span(108, 40, 60), std::make_pair(50, 57)) << "ink starts at the pen";
    // the third glyph's pen: 9 + 3 for the block, 16 + 3 for code 160
    const int third = 50 + block + 3 + 16 + 3;
    EXPECT_FALSE(ink_at(third - 1, 108));
    EXPECT_EQ(ink_span(108, third - 2, third + 12), std::make_pair(third, third + 7));
    EXPECT_EQ(text_width(font_, text.c_str()), third - 50 + block + 3);
    EXPECT_FALSE(ink_at(50, 99));
    EXPECT_TRUE(ink_at(50, 115));
    EXPECT_FALSE(ink_at(50, 116));
}

TEST_F(DemoFont, MonospaceAdvancesSixteenAndIgnoresSpacing) {
    font_.monospace = 1;
    font_.spacing = 7;
    print_text(font_, "\xDB\xDB\xDB", 200, 200, 0, 1.0f);
    EXPECT_EQ(ink_span(205, 195, 260), std::make_pair(200, 239));
    for (int gap : {208, 215, 224, 231}) {
        EXPECT_FALSE(ink_at(gap, 205)) << gap;
    }
    EXPECT_TRUE(ink_at(216, 205));
    EXPECT_TRUE(ink_at(232, 205));
    EXPECT_EQ(text_width(font_, "\xDB\xDB\xDB"), 48);
}

TEST_F(DemoFont, ScaleTwoDrawsThirtyTwoPixelGlyphsFromTheCorner) {
    print_text(font_, "\xDB\xDB", 300, 100, 0, 2.0f);
    // the block's ink is cells 4-11 of 16: 16 pixels at scale 2, starting at the corner
    EXPECT_EQ(ink_span(116, 290, 360).first, 300);
    EXPECT_FALSE(ink_at(300, 99));
    EXPECT_TRUE(ink_at(300, 100));
    EXPECT_TRUE(ink_at(300, 131));
    EXPECT_FALSE(ink_at(300, 132));
    // the second block's pen is 2 x 9 pixels on: the gap column between them is 2 pixels wide
    EXPECT_TRUE(ink_at(315, 116));
    EXPECT_FALSE(ink_at(316, 116));
    EXPECT_FALSE(ink_at(317, 116));
    EXPECT_TRUE(ink_at(318, 116));
    EXPECT_TRUE(ink_at(333, 116));
    EXPECT_FALSE(ink_at(334, 116));
}

TEST_F(DemoFont, EmptyTextDrawsNothingButEnablesTexturingAndBindsTheSheet) {
    glDisable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, 0);
    print_text(font_, "", 10, 10, 0, 1.0f);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(static_cast<GLuint>(bound), font_.texture);
    EXPECT_NE(font_.texture, 0U);
    EXPECT_FALSE(drawn_at(10, 10));
    EXPECT_FALSE(drawn_at(17, 17));
    EXPECT_EQ(text_width(font_, ""), 0);
}

TEST_F(DemoFont, ShadowLiesOnePixelRightAndDownBehindTheText) {
    glBindTexture(GL_TEXTURE_2D, 0);
    glColor4f(0.5f, 0.5f, 0.5f, 1.0f);
    draw_rect(0, 0, 640, 480, -10);
    glEnable(GL_BLEND);
    print_text_shadowed(font_, FULL_BLOCK, 400, 300, 0, 255, 255, 255, 255);
    const Pixel grey = pixel_at(380, 280);
    EXPECT_NEAR(grey.r, 128, 1);
    const Pixel white{255, 255, 255, 255};
    EXPECT_EQ(pixel_at(400, 300), white);
    EXPECT_EQ(pixel_at(407, 315), white) << "the text lies in front of its shadow";
    for (const auto& [x, y] : {std::pair{408, 301}, {408, 316}, {401, 316}, {404, 316}}) {
        EXPECT_NEAR(pixel_at(x, y).r, grey.r / 2, 1) << x << "," << y << " is half as bright";
    }
    for (const auto& [x, y] : {std::pair{408, 300}, {400, 316}, {409, 310}, {405, 317}}) {
        EXPECT_EQ(pixel_at(x, y), grey) << x << "," << y << " lies outside the shadow";
    }
    GLint src = 0, dst = 0;
    glGetIntegerv(GL_BLEND_SRC, &src);
    glGetIntegerv(GL_BLEND_DST, &dst);
    EXPECT_EQ(src, GL_ONE);
    EXPECT_EQ(dst, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_BLEND);
}

TEST_F(DemoFont, MissingMetricsAreReportedAndTheFontStillPrints) {
    Font f{};
    f.glyphs[static_cast<unsigned char>('A')].width = 41;
    EXPECT_FALSE(build_font(f, SHEET, "no/such/dir/font.metrics"));
    EXPECT_EQ(f.glyphs[static_cast<unsigned char>('A')].width, 41);
    EXPECT_EQ(f.glyphs[160].width, 16);
    EXPECT_NE(f.list_base, font_.list_base);
    print_text(f, FULL_BLOCK, 500, 400, 0, 1.0f);
    EXPECT_TRUE(ink_at(504, 408)) << "x_offset 0 puts the cell's corner at the pen";
    delete_font(f);
    glDeleteTextures(1, &f.texture);
}

} // namespace
