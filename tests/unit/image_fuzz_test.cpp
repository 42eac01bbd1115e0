// Random mutations of files of every kind the image loader takes, loaded on paletted and
// true-colour screens: the loader must never crash or touch memory outside its buffers (the
// native build runs this under AddressSanitizer), and what it accepts must be a whole image.
#include <gtest/gtest.h>

#include <random>

#include "tests/unit/image_test_support.h"
#include "tests/unit/texture_test_files.h"

namespace {

constexpr int MUTATIONS_PER_SEED = 300;

// Small valid files of the kinds only the library's loader takes, to start mutating from.
std::vector<std::pair<const char*, Bytes>> seeds() {
    Bytes rle8 = bmp_headers(6, 3, 8, 54 + 16, 4);
    rle8[30] = 1; // compression: RLE8
    rle8.resize(rle8.size() + 16, 0x40);
    rle8.insert(rle8.end(), {3, 1, 0, 3, 2, 3, 1, 0, 0, 0, 0, 2, 2, 1, 6, 2, 0, 1});
    Bytes bmp32 = bmp_headers(3, -2, 32, 54 + 12, 0);
    bmp32[30] = 3; // compression: bit fields, the three masks after the header
    put_le(bmp32, 0xFF0000, 4);
    put_le(bmp32, 0xFF00, 4);
    put_le(bmp32, 0xFF, 4);
    bmp32.resize(bmp32.size() + 24, 0x81);
    Bytes tga = tga_header(10, 4, 2, 32);
    tga[0] = 3; // an image ID of three bytes
    tga[1] = 1; // and a colour map of two 24-bit entries, both skipped
    tga[5] = 2;
    tga[7] = 24;
    tga[17] = 0x28; // stored top down
    tga.insert(tga.end(), {'i', 'd', '!', 1, 2, 3, 4, 5, 6});
    tga.insert(tga.end(), {0x83, 1, 2, 3, 4, 0x03, 9, 9, 9, 9, 8, 8, 8, 8, 7, 7, 7, 7, 6, 6, 6, 6});
    return {{"fuzz_rle8.bmp", rle8}, {"fuzz_32.bmp", bmp32}, {"fuzz_top.tga", tga}};
}

TEST_F(ImageTest, MutatedFilesNeverBreakTheLoader) {
    std::mt19937 rng(20261210);
    int accepted = 0;
    for (int depth : {32, 8}) {
        ASSERT_EQ(open_depth_screen(depth), 0);
        for (const auto& [name, seed] : seeds()) {
            TempFile original(name, seed);
            ImageBuffer* whole = gfx_image_load(original.name());
            ASSERT_NE(whole, nullptr) << name << " as made";
            gfx_image_destroy(whole);
            for (int i = 0; i < MUTATIONS_PER_SEED; ++i) {
                TempFile file(name, mutate(seed, rng));
                ImageBuffer* image = gfx_image_load(file.name());
                if (!image) {
                    continue;
                }
                ++accepted;
                int w = 0, h = 0, bpp = 0;
                uint8_t* pixels = nullptr;
                ASSERT_EQ(gfx_image_info(image, &w, &h, &bpp, &pixels), 0);
                ASSERT_GT(w, 0);
                ASSERT_GT(h, 0);
                ASSERT_EQ(bpp, test_bytes_per_pixel(depth));
                volatile uint8_t ends =
                    static_cast<uint8_t>(pixels[0] ^ pixels[static_cast<size_t>(w) * h * bpp - 1]);
                static_cast<void>(ends);
                gfx_image_destroy(image);
            }
        }
    }
    EXPECT_GT(accepted, 0) << "the mutations should leave some files readable";
}

} // namespace
