// A screen for the demo's OpenGL tests, opened once per suite through init_gl_screen, and helpers
// that read drawn pixels back.
#pragma once

#include <windows.h>

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "demo/gl_draw.h"
#include "demo/texture.h"
#include "gfx/core/context.h"
#include "gfx/core/screen.h"

// One pixel as 8-bit RGBA.
struct Pixel {
    int r, g, b, a;
    bool operator==(const Pixel&) const = default;
};

// Prints a pixel in failure messages.
inline std::ostream& operator<<(std::ostream& os, const Pixel& p) {
    return os << "(" << p.r << "," << p.g << "," << p.b << "," << p.a << ")";
}

// The screen pixel at (x, y), y counted from the top as the drawing operations count it.
inline Pixel pixel_at(int x, int y) {
    unsigned char px[4] = {};
    glFinish();
    glReadBuffer(GL_BACK);
    glReadPixels(x, 480 - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, px);
    return Pixel{px[0], px[1], px[2], px[3]};
}

// Whether the pixel at (x, y) differs from the clear colour (black).
inline bool drawn_at(int x, int y) { return pixel_at(x, y).r != 0 || pixel_at(x, y).g != 0; }

// Writes an uncompressed TGA file of the given picture (rows bottom first, B G R [A]) and loads it
// as a texture with the given flags.
inline Texture load_test_texture(const std::string& name, int width, int height, int depth,
                                 const std::vector<unsigned char>& file_pixels, int flags,
                                 int keep_pixels = 0) {
    const std::string path = (std::filesystem::temp_directory_path() / name).string();
    std::vector<unsigned char> bytes = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    bytes.insert(bytes.end(),
                 {static_cast<unsigned char>(width & 0xFF), static_cast<unsigned char>(width >> 8),
                  static_cast<unsigned char>(height & 0xFF),
                  static_cast<unsigned char>(height >> 8), static_cast<unsigned char>(depth), 0});
    bytes.insert(bytes.end(), file_pixels.begin(), file_pixels.end());
    std::FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    Texture t{};
    EXPECT_EQ(0, load_texture(path.c_str(), t, flags, keep_pixels));
    std::remove(path.c_str());
    return t;
}

// Opens the demo's screen once for all cases of a suite and gives each case a clean frame with
// the drawing operations' state: modelview identity, depth LESS, no blending, white colour.
class DemoGlTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { init_gl_screen(640, 480, 32, 0); }
    static void TearDownTestSuite() { gfx_screen(0, 0, 0, 0, 0); }

    void SetUp() override {
        ASSERT_NE(nullptr, gfx_context) << "the OpenGL screen did not open";
        glClearColor(0, 0, 0, 0);
        glDisable(GL_BLEND);
        glDepthFunc(GL_LESS);
        glColor4f(1, 1, 1, 1);
        glBindTexture(GL_TEXTURE_2D, 0);
        clear_screen();
    }
};
