// Loading and saving images: round trips at every depth, files ImageMagick wrote in every kind
// the loader takes, files it writes read back by ImageMagick, and the files and paths refused.
#include <cstdio>
#include <filesystem>
#include <limits>

#include "tests/unit/image_test_support.h"
#include "tests/unit/texture_test_files.h"

#ifndef QZ_TEXTURE_SAMPLES
#error "the build names the directory of the sample images in QZ_TEXTURE_SAMPLES"
#endif

namespace {

// A path in the temporary directory, removed when the test ends.
class TempPath {
public:
    explicit TempPath(const std::string& name)
        : path_(
              (std::filesystem::temp_directory_path() / ("qzimage_" + temp_file_tag() + "_" + name))
                  .string()) {}
    ~TempPath() { std::remove(path_.c_str()); }
    TempPath(const TempPath&) = delete;
    TempPath& operator=(const TempPath&) = delete;
    const char* c_str() const { return path_.c_str(); }

private:
    std::string path_;
};

// The pixels of an image and its size.
struct Pixels {
    int width = 0;
    int height = 0;
    int bpp = 0;
    Bytes bytes;
};

Pixels pixels_of(const ImageBuffer* image) {
    Pixels p;
    uint8_t* data = nullptr;
    if (gfx_image_info(image, &p.width, &p.height, &p.bpp, &data) == 0) {
        p.bytes.assign(data, data + static_cast<size_t>(p.width) * p.height * p.bpp);
    }
    return p;
}

#ifndef _WIN32
// A pixel of depth as ImageMagick's RGBA: palette colours at 8 bits or less, 5-6-5 widened at
// 16, the top byte as alpha at 32 (255 everywhere when the file was saved without alpha).
uint32_t as_rgba(uint32_t pixel, int depth, const uint32_t* palette, bool file_alpha) {
    uint32_t r, g, b, a = 255;
    if (depth <= 8) {
        const uint32_t bgr = palette[pixel];
        r = bgr & 0xFF, g = (bgr >> 8) & 0xFF, b = (bgr >> 16) & 0xFF;
    } else if (depth == 16) {
        r = (pixel >> 11) & 0x1F, g = (pixel >> 5) & 0x3F, b = pixel & 0x1F;
        r = r << 3 | r >> 2, g = g << 2 | g >> 4, b = b << 3 | b >> 2;
    } else {
        r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
        a = file_alpha ? pixel >> 24 : 255;
    }
    return r | g << 8 | b << 16 | a << 24;
}

// ImageMagick's decoding of a file as RGBA bytes, top row first (empty when it cannot read it).
Bytes imagemagick_rgba(const char* path) {
    TempPath out("decoded.rgba");
    const std::string command =
        std::string("convert '") + path + "' rgba:'" + out.c_str() + "' 2>/dev/null";
    if (std::system(command.c_str()) != 0) {
        return {};
    }
    return file_bytes(out.c_str());
}
#endif

TEST_P(ImageDepthTest, SavedImagesLoadBackTheSameAndImageMagickReadsThem) {
    std::mt19937 rng(71u + static_cast<unsigned>(GetParam()));
    const int depth = GetParam();
    for (bool top_bytes : {true, false}) {
        ImageBuffer* image = gfx_image_create(37, 19, 0, 0);
        uint8_t* data = nullptr;
        gfx_image_info(image, nullptr, nullptr, nullptr, &data);
        fill_random(data, 37 * 19, depth, rng);
        if (depth == 32 && !top_bytes) {
            for (int i = 0; i < 37 * 19; ++i) {
                data[4 * i + 3] = 0;
            }
        }
        TempPath path("round.bmp");
        ASSERT_EQ(gfx_image_save(image, path.c_str()), 0);
        ImageBuffer* loaded = gfx_image_load(path.c_str());
        ASSERT_NE(loaded, nullptr);
        const Pixels want = pixels_of(image);
        const Pixels got = pixels_of(loaded);
        EXPECT_EQ(got.width, 37);
        EXPECT_EQ(got.height, 19);
        EXPECT_EQ(got.bytes, want.bytes) << "top bytes " << top_bytes;
#ifndef _WIN32
        const Bytes theirs = imagemagick_rgba(path.c_str());
        ASSERT_EQ(theirs.size(), 37u * 19u * 4u);
        for (int i = 0; i < 37 * 19; ++i) {
            const uint32_t ours = as_rgba(load_pixel(want.bytes.data() + i * want.bpp, want.bpp),
                                          depth, ctx().palette, depth == 32 && top_bytes);
            ASSERT_EQ(load_pixel(theirs.data() + 4 * i, 4), ours) << "pixel " << i;
        }
#endif
        gfx_image_destroy(image);
        gfx_image_destroy(loaded);
    }
}

TEST_P(ImageDepthTest, SavingNullSavesTheViewOfTheTarget) {
    std::mt19937 rng(5u * static_cast<unsigned>(GetParam()));
    fill_random(ctx().pages[0], static_cast<size_t>(ctx().height) * ctx().width, GetParam(), rng);
    ctx().view_x = 11;
    ctx().view_y = 7;
    ctx().view_w = 50;
    ctx().view_h = 31;
    TempPath path("view.bmp");
    ASSERT_EQ(gfx_image_save(nullptr, path.c_str()), 0);
    ImageBuffer* loaded = gfx_image_load(path.c_str());
    const Pixels got = pixels_of(loaded);
    ASSERT_EQ(got.width, 50);
    ASSERT_EQ(got.height, 31);
    for (int y = 0; y < 31; ++y) {
        ASSERT_EQ(std::memcmp(got.bytes.data() + y * 50 * bpp(), ctx().rows[7 + y] + 11 * bpp(),
                              50 * static_cast<size_t>(bpp())),
                  0)
            << y;
    }
    gfx_image_destroy(loaded);
}

// Whether a sample file carries alpha: a 32-bit TGA or a 32-bit bitmap.
bool carries_alpha(const Bytes& file, const std::string& name) {
    return name.ends_with(".tga") ? file.size() > 16 && file[16] == 32
                                  : file.size() > 28 && file[28] == 32;
}

// The nearest of count palette colours (0x00BBGGRR) to an RGB colour, the lowest index among equals.
uint32_t nearest_index(const uint32_t* palette, int count, uint32_t r, uint32_t g, uint32_t b) {
    uint32_t best = 0;
    long best_distance = std::numeric_limits<long>::max();
    for (int i = 0; i < count; ++i) {
        const long dr = static_cast<long>(palette[i] & 0xFF) - r;
        const long dg = static_cast<long>((palette[i] >> 8) & 0xFF) - g;
        const long db = static_cast<long>((palette[i] >> 16) & 0xFF) - b;
        const long d = dr * dr + dg * dg + db * db;
        if (d < best_distance) {
            best_distance = d;
            best = static_cast<uint32_t>(i);
        }
    }
    return best;
}

// Loads every sample on screens of 32, 16 and 8 bits and compares with ImageMagick's decoding.
TEST_F(ImageTest, ImageMagicksFilesLoadUprightAsItDecodesThem) {
    const auto samples =
        read_sample_list(std::string(QZ_TEXTURE_SAMPLES) + "/library_manifest.txt");
    ASSERT_GE(samples.size(), 55u) << "no sample images in " << QZ_TEXTURE_SAMPLES;
    for (int depth : {32, 16, 8}) {
        ASSERT_EQ(open_depth_screen(depth), 0);
        const int bpp = test_bytes_per_pixel(depth);
        for (const auto& [name, accepted] : samples) {
            SCOPED_TRACE(name + " at depth " + std::to_string(depth));
            const std::string path = std::string(QZ_TEXTURE_SAMPLES) + "/" + name;
            ImageBuffer* image = gfx_image_load(path.c_str());
            if (!accepted) {
                EXPECT_EQ(image, nullptr);
                continue;
            }
            ASSERT_NE(image, nullptr);
            const bool eight_bit_file = name.starts_with("b8");
            if (depth == 8 && eight_bit_file) {
                gfx_image_destroy(image); // indices are kept, checked by the round trips
                continue;
            }
            const Bytes reference = file_bytes(path + ".rgba");
            const bool alpha = carries_alpha(file_bytes(path), name);
            const Pixels got = pixels_of(image);
            ASSERT_EQ(reference.size(), static_cast<size_t>(got.width) * got.height * 4);
            int mismatches = 0;
            for (int i = 0; i < got.width * got.height; ++i) {
                const uint8_t* rgba = &reference[static_cast<size_t>(i) * 4];
                uint32_t want = 0;
                if (depth == 32) {
                    want = (alpha ? uint32_t{rgba[3]} << 24 : 0) | uint32_t{rgba[0]} << 16 |
                           uint32_t{rgba[1]} << 8 | rgba[2];
                } else if (depth == 16) {
                    want = (uint32_t{rgba[0]} >> 3) << 11 | (uint32_t{rgba[1]} >> 2) << 5 |
                           rgba[2] >> 3;
                } else {
                    want = nearest_index(gfx_context->palette, 256, rgba[0], rgba[1], rgba[2]);
                }
                mismatches += load_pixel(got.bytes.data() + i * bpp, bpp) != want;
            }
            EXPECT_EQ(mismatches, 0);
            gfx_image_destroy(image);
        }
    }
}

// A bottom-up bitmap turned into a top-down one by hand loads as the same picture.
TEST_F(ImageTest, TopDownBitmapsLoadUpright) {
    ASSERT_EQ(open_depth_screen(32), 0);
    const std::string path = std::string(QZ_TEXTURE_SAMPLES) + "/b24_37x19.bmp";
    Bytes file = file_bytes(path);
    ASSERT_GT(file.size(), 54u);
    const uint32_t offset = load_pixel(&file[10], 4);
    const size_t row = (37 * 3 + 3) / 4 * 4;
    Bytes flipped = file;
    for (int y = 0; y < 19; ++y) {
        std::memcpy(&flipped[offset + y * row], &file[offset + (18 - y) * row], row);
    }
    store_pixel(&flipped[22], 4, static_cast<uint32_t>(-19));
    TempFile top_down("top_down.bmp", flipped);
    ImageBuffer* a = gfx_image_load(path.c_str());
    ImageBuffer* b = gfx_image_load(top_down.name());
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(pixels_of(a).bytes, pixels_of(b).bytes);
    gfx_image_destroy(a);
    gfx_image_destroy(b);
}

TEST_F(ImageTest, FilesThatAreNoImagesAndMissingPathsGiveNull) {
    TempFile text("notes.bmp", Bytes{'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd', '\n'});
    TempFile empty("empty.tga", Bytes{});
    Bytes cut = file_bytes(std::string(QZ_TEXTURE_SAMPLES) + "/b24_37x19.bmp");
    cut.resize(40);
    TempFile short_header("short.bmp", cut);
    EXPECT_EQ(gfx_image_load(text.name()), nullptr) << "no screen";
    ASSERT_EQ(open_depth_screen(8), 0);
    for (const char* path :
         {text.name(), empty.name(), short_header.name(), "no/such/dir/sprite.bmp", ""}) {
        rt_set_error(0);
        EXPECT_EQ(gfx_image_load(path), nullptr) << path;
        EXPECT_EQ(rt_last_error(), RT_ERR_ILLEGAL_CALL) << path;
    }
    EXPECT_EQ(gfx_image_load(nullptr), nullptr);
    EXPECT_EQ(gfx_image_load(std::filesystem::temp_directory_path().string().c_str()), nullptr)
        << "a directory";
}

TEST_F(ImageTest, SavesThatCannotBeDoneAreErrorOneAndLeaveNoFile) {
    ImageBuffer* deep = gfx_image_create(4, 4, 32, 0x123456);
    ImageBuffer* paletted = gfx_image_create(4, 4, 8, 3);
    TempPath path("refused.bmp");
    EXPECT_EQ(gfx_image_save(paletted, path.c_str()), RT_ERR_ILLEGAL_CALL)
        << "no palette without a screen";
    EXPECT_EQ(gfx_image_save(nullptr, path.c_str()), RT_ERR_ILLEGAL_CALL) << "no screen to save";
    EXPECT_FALSE(std::filesystem::exists(path.c_str()));
    EXPECT_EQ(gfx_image_save(deep, path.c_str()), 0) << "a true-colour image needs no screen";
    std::remove(path.c_str());
    ASSERT_EQ(open_depth_screen(32), 0);
    EXPECT_EQ(gfx_image_save(paletted, path.c_str()), RT_ERR_ILLEGAL_CALL)
        << "8 bits on a 32-bit screen";
    alignas(4) uint8_t bytes[4 + 64] = {};
    ImageBuffer* foreign = reinterpret_cast<ImageBuffer*>(bytes);
    foreign->width = 32;
    foreign->height = 4;
    EXPECT_EQ(gfx_image_save(foreign, path.c_str()), RT_ERR_ILLEGAL_CALL);
    EXPECT_EQ(gfx_image_save(deep, nullptr), RT_ERR_ILLEGAL_CALL);
    EXPECT_EQ(gfx_image_save(deep, "no/such/dir/out.bmp"), RT_ERR_ILLEGAL_CALL);
    EXPECT_FALSE(std::filesystem::exists(path.c_str()));
    gfx_image_destroy(deep);
    gfx_image_destroy(paletted);
}

} // namespace
