// The image readers against ImageMagick: files it wrote in every variant the readers accept must
// decode to the same pixels as its own decoder gives, and the variants they refuse must fail.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "tests/unit/texture_test_files.h"

#ifndef QZ_TEXTURE_SAMPLES
#error "the build names the directory of the sample images in QZ_TEXTURE_SAMPLES"
#endif

namespace {

// Whether the file stores its top row first: TGA descriptor bit 5, or a negative BMP height.
bool stored_top_down(const Bytes& file, bool tga) {
    if (tga) {
        return file.size() > 17 && (file[17] & 0x20) != 0;
    }
    return file.size() > 25 && (file[25] & 0x80) != 0;
}

TEST(TextureImageMagick, ReadersMatchImageMagicksDecodingAndRefuseTheSame) {
    const auto samples = read_sample_list(std::string(QZ_TEXTURE_SAMPLES) + "/manifest.txt");
    ASSERT_GE(samples.size(), 40u) << "no sample images in " << QZ_TEXTURE_SAMPLES
                                   << ": ImageMagick's convert is needed to build this test";
    for (const auto& [name, accepted] : samples) {
        SCOPED_TRACE(name);
        const std::string path = std::string(QZ_TEXTURE_SAMPLES) + "/" + name;
        Texture t{};
        const bool read = read_texture_file(t, path.c_str());
        if (!accepted) {
            EXPECT_FALSE(read);
            continue;
        }
        ASSERT_TRUE(read);
        const Bytes reference = file_bytes(path + ".rgba");
        const Bytes file = file_bytes(path);
        const int channels = t.bpp / 8;
        ASSERT_EQ(reference.size(), static_cast<std::size_t>(t.width) * t.height * 4);
        const bool top_down = stored_top_down(file, name.ends_with(".tga"));
        int mismatches = 0;
        std::ostringstream first;
        for (int row = 0; row < t.height; ++row) {
            const int picture_row = top_down ? row : t.height - 1 - row;
            for (int x = 0; x < t.width; ++x) {
                const uint8_t* ours =
                    t.pixels + (static_cast<std::size_t>(row) * t.width + x) * channels;
                const uint8_t* theirs =
                    &reference[(static_cast<std::size_t>(picture_row) * t.width + x) * 4];
                for (int c = 0; c < channels; ++c) {
                    if (ours[c] != theirs[c] && mismatches++ == 0) {
                        first << "pixel " << x << "," << picture_row << " channel " << c << ": "
                              << int(ours[c]) << " vs " << int(theirs[c]);
                    }
                }
            }
        }
        EXPECT_EQ(mismatches, 0) << first.str();
        std::free(t.pixels);
    }
}

} // namespace
