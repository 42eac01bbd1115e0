// Choosing the reader by file name, and the console line of a failed load.
#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/unit/texture_test_files.h"

namespace {

// A valid 1 by 1 TGA file.
Bytes one_pixel_tga() {
    Bytes b = tga_header(2, 1, 1, 24);
    b.insert(b.end(), {1, 2, 3});
    return b;
}

TEST(TextureFile, LowerCaseExtensionsPickTheirReader) {
    TempFile tga("pick.tga", one_pixel_tga());
    Texture t{};
    ASSERT_TRUE(read_texture_file(t, tga.name()));
    EXPECT_EQ(texture_bytes(t), (Bytes{3, 2, 1}));
    std::free(t.pixels);

    Bytes bmp = bmp_headers(1, 1, 24, 54, 0);
    bmp.insert(bmp.end(), {1, 2, 3, 0});
    TempFile bmp_file("pick.bmp", bmp);
    Texture u{};
    ASSERT_TRUE(read_texture_file(u, bmp_file.name()));
    EXPECT_EQ(texture_bytes(u), (Bytes{3, 2, 1}));
    std::free(u.pixels);
}

TEST(TextureFile, ExtensionsAreCaseSensitiveAndOthersFail) {
    // valid TGA contents under names that do not end in "tga" or "bmp"
    for (const char* name : {"upper.TGA", "mixed.Tga", "image.png", "tga.txt"}) {
        TempFile file(name, one_pixel_tga());
        Texture t{};
        EXPECT_FALSE(read_texture_file(t, file.name())) << name;
        EXPECT_EQ(t.width, 0) << name << ": no file is read";
        EXPECT_EQ(t.pixels, nullptr) << name;
    }
    Texture t{};
    EXPECT_FALSE(read_texture_file(t, ""));
    EXPECT_FALSE(read_texture_file(t, "ga"));
}

TEST(TextureFile, BmpContentsUnderATgaNameAreRefused) {
    Bytes bmp = bmp_headers(1, 1, 24, 54, 0);
    bmp.insert(bmp.end(), {1, 2, 3, 0});
    TempFile file("really_bmp.tga", bmp);
    Texture t{};
    EXPECT_FALSE(read_texture_file(t, file.name()));
}

TEST(ConsoleLine, WritesTheTextAndCrLf) {
    testing::internal::CaptureStdout();
    write_console_line("Error: Loading texture... x.tga");
    write_console_line("");
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              std::string("Error: Loading texture... x.tga") + CAPTURED_LINE_END +
                  CAPTURED_LINE_END);
}

} // namespace
