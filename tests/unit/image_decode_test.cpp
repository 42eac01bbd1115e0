// gfx_image_decode against ImageMagick's files and decoding: every kind it takes decodes to the
// same picture once turned upright by the order the record reports, the pixels keep the file's
// order, short files read as zeros, and refusals leave the record as it was. No test opens a
// screen: the call needs none.
#include <cstring>
#include <filesystem>

#include "tests/unit/image_test_support.h"
#include "tests/unit/texture_test_files.h"

#ifndef QZ_TEXTURE_SAMPLES
#error "the build names the directory of the sample images in QZ_TEXTURE_SAMPLES"
#endif

namespace {

// The path of a sample image.
std::string sample_path(const std::string& name) {
    return std::string(QZ_TEXTURE_SAMPLES) + "/" + name;
}

// A record filled with a byte pattern no decoder writes, to see that a refusal leaves it alone.
DecodedImage marked_record() {
    DecodedImage image;
    std::memset(&image, 0x5A, sizeof image);
    return image;
}

// Whether image holds exactly the bytes of marked_record.
bool still_marked(const DecodedImage& image) {
    const DecodedImage marked = marked_record();
    return std::memcmp(&image, &marked, sizeof image) == 0;
}

// Decodes path, expecting success; the caller releases the pixels.
DecodedImage decode_ok(const std::string& path) {
    DecodedImage image{};
    EXPECT_EQ(gfx_image_decode(path.c_str(), &image), 0) << path;
    return image;
}

// The decoded pixels as bytes.
Bytes pixel_bytes(const DecodedImage& image) {
    const std::size_t size = static_cast<std::size_t>(image.width) * image.height * image.channels;
    return image.pixels ? Bytes(image.pixels, image.pixels + size) : Bytes();
}

// The picture as R G B A bytes, top row first and left to right, as ImageMagick writes it: the
// record's rows and columns turned by the order it reports, 8-bit indices through the palette.
Bytes upright_rgba(const DecodedImage& d) {
    Bytes out;
    for (int y = 0; y < d.height; ++y) {
        const int row = d.top_down ? y : d.height - 1 - y;
        for (int x = 0; x < d.width; ++x) {
            const int column = d.right_to_left ? d.width - 1 - x : x;
            const uint8_t* p =
                d.pixels + (static_cast<std::size_t>(row) * d.width + column) * d.channels;
            const uint8_t* rgb = d.channels == 1 ? d.palette[*p] : p;
            out.insert(out.end(), {rgb[0], rgb[1], rgb[2], d.channels == 4 ? p[3] : uint8_t{255}});
        }
    }
    return out;
}

// Every sample of the library's list: accepted ones decode to ImageMagick's picture with a record
// that tells the file's own kind, depth, compression and order; refused ones are error 1.
TEST_F(ImageTest, DecodingMatchesImageMagickForEveryKindTheLibraryTakes) {
    const auto samples = read_sample_list(sample_path("library_manifest.txt"));
    ASSERT_GE(samples.size(), 55u) << "no sample images in " << QZ_TEXTURE_SAMPLES;
    for (const auto& [name, accepted] : samples) {
        SCOPED_TRACE(name);
        ASSERT_EQ(gfx_context, nullptr) << "decoding needs no screen";
        DecodedImage image = marked_record();
        rt_set_error(0);
        const int result = gfx_image_decode(sample_path(name).c_str(), &image);
        if (!accepted) {
            EXPECT_EQ(result, RT_ERR_ILLEGAL_CALL);
            EXPECT_EQ(rt_last_error(), RT_ERR_ILLEGAL_CALL);
            EXPECT_TRUE(still_marked(image));
            continue;
        }
        ASSERT_EQ(result, 0);
        EXPECT_EQ(rt_last_error(), 0);
        const Bytes file = file_bytes(sample_path(name));
        const bool tga = name.ends_with(".tga");
        ASSERT_GT(file.size(), tga ? 18u : 30u);
        EXPECT_EQ(image.file_kind, tga ? GFX_FILE_TGA : GFX_FILE_BMP);
        EXPECT_EQ(image.file_bits, tga ? file[16] : file[28]);
        EXPECT_EQ(image.channels, image.file_bits == 8 ? 1 : image.file_bits / 8);
        EXPECT_EQ(image.run_length, tga ? file[2] == 10 : file[30] == 1);
        EXPECT_EQ(image.top_down, tga ? (file[17] & 0x20) != 0 : (file[25] & 0x80) != 0);
        EXPECT_EQ(image.right_to_left, tga && (file[17] & 0x10) != 0);
        EXPECT_EQ(image.has_alpha, tga ? file[16] == 32 : name.starts_with("b32"));
        const Bytes reference = file_bytes(sample_path(name) + ".rgba");
        ASSERT_EQ(reference.size(), static_cast<std::size_t>(image.width) * image.height * 4);
        EXPECT_TRUE(upright_rgba(image) == reference);
        gfx_image_decode_free(&image);
        EXPECT_EQ(image.pixels, nullptr);
    }
}

// An uncompressed TGA decodes to its own body with blue and red exchanged, whichever corner it is
// stored from: nothing is turned or mirrored.
TEST_F(ImageTest, DecodedTgaPixelsAreTheFileBodyInFileOrder) {
    int top_down = 0;
    int right_to_left = 0;
    for (const char* name : {"t2_24_37x19.tga", "t2_24_top_left_37x19.tga",
                             "t2_32_bottom_right_37x19.tga", "t2_32_bottom_right_5x3.tga"}) {
        SCOPED_TRACE(name);
        DecodedImage image = decode_ok(sample_path(name));
        top_down += image.top_down;
        right_to_left += image.right_to_left;
        Bytes body = file_bytes(sample_path(name));
        body.erase(body.begin(), body.begin() + 18 + body[0]);
        body.resize(pixel_bytes(image).size());
        for (std::size_t at = 0; at < body.size(); at += static_cast<std::size_t>(image.channels)) {
            std::swap(body[at], body[at + 2]);
        }
        EXPECT_EQ(pixel_bytes(image), body);
        gfx_image_decode_free(&image);
    }
    EXPECT_EQ(top_down, 1) << "the top-left sample is stored top down";
    EXPECT_EQ(right_to_left, 2) << "the bottom-right samples are stored right to left";
}

// A bitmap made top down by hand (rows reversed, height negated) decodes to the bottom-up file's
// rows in the reverse order and says so.
TEST_F(ImageTest, TopDownBitmapsKeepTheirRowOrder) {
    const std::string path = sample_path("b24_37x19.bmp");
    Bytes file = file_bytes(path);
    ASSERT_GT(file.size(), 54u);
    const uint32_t offset = load_pixel(&file[10], 4);
    const std::size_t row = (37 * 3 + 3) / 4 * 4;
    Bytes flipped = file;
    for (int y = 0; y < 19; ++y) {
        std::memcpy(&flipped[offset + y * row], &file[offset + (18 - y) * row], row);
    }
    store_pixel(&flipped[22], 4, static_cast<uint32_t>(-19));
    TempFile top_down_file("top_down.bmp", flipped);
    DecodedImage bottom_up = decode_ok(path);
    DecodedImage top_down = decode_ok(top_down_file.name());
    EXPECT_FALSE(bottom_up.top_down);
    EXPECT_TRUE(top_down.top_down);
    ASSERT_EQ(top_down.height, 19);
    for (int y = 0; y < 19; ++y) {
        ASSERT_EQ(
            std::memcmp(top_down.pixels + y * 37 * 3, bottom_up.pixels + (18 - y) * 37 * 3, 37 * 3),
            0)
            << "row " << y;
    }
    EXPECT_TRUE(upright_rgba(top_down) == upright_rgba(bottom_up));
    gfx_image_decode_free(&bottom_up);
    gfx_image_decode_free(&top_down);
}

// Where to cut a sample so that the rest holds whole pixels: a third of the body, taken back to a
// whole pixel in an uncompressed TGA, a whole row in a bitmap, a whole packet in a run-length TGA.
std::size_t cut_point(const Bytes& file, bool tga, std::size_t header) {
    const std::size_t third = (file.size() - header) / 3;
    if (!tga) {
        const std::size_t row =
            (static_cast<std::size_t>(load_pixel(&file[18], 4)) * 3 + 3) / 4 * 4;
        return header + third / row * row;
    }
    const std::size_t bytes_per_pixel = file[16] / 8;
    if (file[2] == 2) {
        return header + third / bytes_per_pixel * bytes_per_pixel;
    }
    std::size_t at = header;
    while (at < header + third) {
        at += 1 + (file[at] >= 128 ? 1 : file[at] + 1u) * bytes_per_pixel;
    }
    return at;
}

// A file cut short decodes the pixels it holds as before and zeros for the rest; one cut inside
// its headers is refused.
TEST_F(ImageTest, ShortFilesDecodeAsZerosPastTheirEnd) {
    for (const char* name : {"t2_24_37x19.tga", "t10_32_37x19.tga", "b24_37x19.bmp"}) {
        SCOPED_TRACE(name);
        const bool tga = name[0] == 't';
        const Bytes whole_file = file_bytes(sample_path(name));
        ASSERT_GT(whole_file.size(), 54u);
        const std::size_t header = tga ? 18 : load_pixel(&whole_file[10], 4);
        const std::size_t kept = cut_point(whole_file, tga, header);
        TempFile cut(name, Bytes(whole_file.begin(), whole_file.begin() + kept));
        DecodedImage whole = decode_ok(sample_path(name));
        DecodedImage part = decode_ok(cut.name());
        const Bytes got = pixel_bytes(part);
        const Bytes all = pixel_bytes(whole);
        ASSERT_EQ(got.size(), all.size());
        const std::size_t channels = static_cast<std::size_t>(whole.channels);
        std::size_t same = 0;
        while (same < got.size() && std::memcmp(&got[same], &all[same], channels) == 0) {
            same += channels;
        }
        EXPECT_GT(same, all.size() / 5) << "the pixels the file holds decode as before";
        EXPECT_LT(same, all.size() / 2);
        for (std::size_t at = same; at < got.size(); ++at) {
            ASSERT_EQ(got[at], 0) << "byte " << at;
        }
        gfx_image_decode_free(&whole);
        gfx_image_decode_free(&part);

        for (std::size_t length : {std::size_t{0}, std::size_t{10}, header - 1}) {
            TempFile stub(name, Bytes(whole_file.begin(), whole_file.begin() + length));
            DecodedImage image = marked_record();
            EXPECT_EQ(gfx_image_decode(stub.name(), &image), RT_ERR_ILLEGAL_CALL) << length;
            EXPECT_TRUE(still_marked(image)) << length;
        }
    }
}

// A missing file, a directory, a file that is no image, and null arguments are runtime error 1
// and leave the record alone; releasing twice or releasing null does nothing.
TEST_F(ImageTest, RefusedDecodesAreErrorOneAndLeaveTheRecordAlone) {
    TempFile text("notes.tga", Bytes{'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd', '\n'});
    const std::string directory = std::filesystem::temp_directory_path().string();
    for (const char* path : {"no/such/dir/light.tga", "", directory.c_str(), text.name()}) {
        DecodedImage image = marked_record();
        rt_set_error(0);
        EXPECT_EQ(gfx_image_decode(path, &image), RT_ERR_ILLEGAL_CALL) << path;
        EXPECT_EQ(rt_last_error(), RT_ERR_ILLEGAL_CALL) << path;
        EXPECT_TRUE(still_marked(image)) << path;
    }
    DecodedImage image = marked_record();
    EXPECT_EQ(gfx_image_decode(nullptr, &image), RT_ERR_ILLEGAL_CALL);
    EXPECT_TRUE(still_marked(image));
    rt_set_error(0);
    EXPECT_EQ(gfx_image_decode(sample_path("b24_37x19.bmp").c_str(), nullptr), RT_ERR_ILLEGAL_CALL);
    EXPECT_EQ(rt_last_error(), RT_ERR_ILLEGAL_CALL);

    DecodedImage decoded = decode_ok(sample_path("b8_37x19.bmp"));
    gfx_image_decode_free(&decoded);
    EXPECT_EQ(decoded.pixels, nullptr);
    gfx_image_decode_free(&decoded);
    gfx_image_decode_free(nullptr);
}

} // namespace
