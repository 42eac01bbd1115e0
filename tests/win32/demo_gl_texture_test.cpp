// load_texture in a real OpenGL context: uploads of any width, filters, mipmaps, kept pixels and
// the error line of a failed load.
#include "demo_gl_test_screen.h"

namespace {

using DemoGlTexture = DemoGlTest;

TEST_F(DemoGlTexture, OddWidthsUploadWithoutSkew) {
    // 3 by 2, 24 bits: 9-byte rows; the top row is blue, blue, blue, the bottom red, green, red
    Texture t = load_test_texture(
        "qz_odd.tga", 3, 2, 24, {0, 0, 255, 0, 255, 0, 0, 0, 255, 255, 0, 0, 255, 0, 0, 255, 0, 0},
        TEXTURE_NEAREST);
    EXPECT_NE(t.id, 0u);
    EXPECT_EQ(t.pixels, nullptr) << "pixels are released unless kept";
    draw_texture(t, 10, 10, 0);
    for (int x = 10; x < 13; ++x) {
        EXPECT_EQ(pixel_at(x, 10), (Pixel{0, 0, 255, 255})) << x;
    }
    EXPECT_EQ(pixel_at(10, 11), (Pixel{255, 0, 0, 255}));
    EXPECT_EQ(pixel_at(11, 11), (Pixel{0, 255, 0, 255}));
    GLint alignment = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    EXPECT_EQ(alignment, 4) << "the unpack alignment is given back";
    glDeleteTextures(1, &t.id);
}

TEST_F(DemoGlTexture, FiltersFollowTheFlags) {
    const std::vector<unsigned char> px(4 * 4 * 3, 200);
    struct Case {
        int flags;
        GLint min, mag;
    };
    const Case cases[] = {
        {0, GL_LINEAR, GL_LINEAR},
        {TEXTURE_NEAREST, GL_NEAREST, GL_NEAREST},
        {TEXTURE_MIPMAPS, GL_LINEAR_MIPMAP_LINEAR, GL_LINEAR},
        {TEXTURE_MIPMAPS | TEXTURE_NEAREST, GL_NEAREST_MIPMAP_NEAREST, GL_NEAREST}};
    for (const Case& c : cases) {
        Texture t = load_test_texture("qz_filter.tga", 4, 4, 24, px, c.flags);
        GLint bound = 0, min = 0, mag = 0, level2 = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &min);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &mag);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 2, GL_TEXTURE_WIDTH, &level2);
        EXPECT_EQ(static_cast<GLuint>(bound), t.id) << "the new texture stays bound";
        EXPECT_EQ(min, c.min) << c.flags;
        EXPECT_EQ(mag, c.mag) << c.flags;
        EXPECT_EQ(level2, (c.flags & TEXTURE_MIPMAPS) ? 1 : 0) << "mipmap chain, flags " << c.flags;
        glDeleteTextures(1, &t.id);
    }
}

TEST_F(DemoGlTexture, KeptPixelsSurviveTheUpload) {
    Texture t = load_test_texture("qz_keep.tga", 1, 1, 32, {1, 2, 3, 4}, 0, 1);
    ASSERT_NE(t.pixels, nullptr);
    EXPECT_EQ(t.pixels[0], 3);
    EXPECT_EQ(t.pixels[3], 4);
    EXPECT_EQ(t.format, TEXTURE_FORMAT_RGBA);
    std::free(t.pixels);
    glDeleteTextures(1, &t.id);
}

TEST_F(DemoGlTexture, FailedLoadsWriteTheErrorLineAndMakeNoTexture) {
    for (const char* name : {"no/such/light.tga", "resources/examples/light.TGA", "picture.png"}) {
        Texture t{};
        t.id = 42;
        testing::internal::CaptureStdout();
        EXPECT_EQ(1, load_texture(name, t, 0, 0)) << name;
        EXPECT_EQ(testing::internal::GetCapturedStdout(),
                  std::string("Error: Loading texture... ") + name + "\n")
            << "the capture reads CR LF back as LF";
        EXPECT_EQ(t.id, 42u) << name;
    }
}

TEST_F(DemoGlTexture, TheDemoImagesLoad) {
    Texture light{}, brick{};
    ASSERT_EQ(0, load_texture("resources/examples/light.tga", light, 0, 0));
    ASSERT_EQ(0, load_texture("resources/examples/brick.tga", brick, 0, 0));
    EXPECT_EQ(light.format, TEXTURE_FORMAT_RGBA);
    EXPECT_EQ(brick.format, TEXTURE_FORMAT_RGB);
    EXPECT_GT(brick.width, 0);
    EXPECT_GT(light.width, 0);
    glDeleteTextures(1, &light.id);
    glDeleteTextures(1, &brick.id);
}

} // namespace
