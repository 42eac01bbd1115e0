// Random mutations of valid image files: the readers must never crash or touch memory outside
// their buffers (the native build runs this under AddressSanitizer), and whatever they accept
// must describe a whole buffer.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "tests/unit/texture_test_files.h"

namespace {

constexpr int MUTATIONS_PER_SEED = 600;

// Small valid files of every accepted kind, to start mutating from.
std::vector<std::pair<const char*, Bytes>> seeds() {
    Bytes raw = tga_header(2, 3, 2, 24);
    raw.resize(raw.size() + 18, 0x40);
    Bytes rle = tga_header(10, 5, 2, 32);
    rle.insert(rle.end(), {0x84, 1, 2, 3, 4, 0x01, 9, 9, 9, 9, 8, 8, 8, 8, 0x82, 7, 7, 7, 7});
    Bytes bmp24 = bmp_headers(3, 2, 24, 54, 0);
    bmp24.resize(bmp24.size() + 24, 0x11);
    Bytes bmp8 = bmp_headers(5, 2, 8, 54 + 16, 4);
    bmp8.resize(bmp8.size() + 16 + 16, 0x02);
    return {{"fuzz.tga", raw}, {"fuzz.tga", rle}, {"fuzz.bmp", bmp24}, {"fuzz.bmp", bmp8}};
}

TEST(TextureFuzz, MutatedFilesNeverBreakTheReaders) {
    std::mt19937 rng(20261209);
    int accepted = 0;
    for (const auto& [name, seed] : seeds()) {
        for (int i = 0; i < MUTATIONS_PER_SEED; ++i) {
            TempFile file(name, mutate(seed, rng));
            Texture t{};
            if (!read_texture_file(t, file.name())) {
                continue;
            }
            ++accepted;
            ASSERT_NE(t.pixels, nullptr);
            ASSERT_GT(t.width, 0);
            ASSERT_GT(t.height, 0);
            ASSERT_TRUE(t.bpp == 24 || t.bpp == 32);
            ASSERT_EQ(t.format, t.bpp == 24 ? TEXTURE_FORMAT_RGB : TEXTURE_FORMAT_RGBA);
            // touch both ends of the buffer the record describes
            const std::size_t size = static_cast<std::size_t>(t.width) * t.height * (t.bpp / 8);
            volatile uint8_t sum = static_cast<uint8_t>(t.pixels[0] + t.pixels[size - 1]);
            static_cast<void>(sum);
            std::free(t.pixels);
        }
    }
    EXPECT_GT(accepted, 0) << "the mutations should leave some files readable";
}

} // namespace
