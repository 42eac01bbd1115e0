// libFuzzer target: the library's gfx_image_decode, with every kind of BMP and TGA it takes, on
// arbitrary files.
#include <qzgfx.h>

#include <cstdlib>
#include <cstring>

#include "fuzz_input_file.h"

namespace {

// Aborts (a finding for the fuzzer) when a decoded image does not describe its buffer; touches
// the buffer's first and last byte so the address sanitizer checks its extent. Frees the buffer.
void check_decoded(DecodedImage& image) {
    const bool kind_and_depth =
        (image.file_kind == GFX_FILE_BMP &&
         image.channels == (image.file_bits == 8 ? 1 : image.file_bits / 8)) ||
        (image.file_kind == GFX_FILE_TGA && image.channels == image.file_bits / 8 &&
         image.channels >= 3);
    if (image.pixels == nullptr || image.width <= 0 || image.height <= 0 || !kind_and_depth) {
        std::abort();
    }
    const std::size_t size = static_cast<std::size_t>(image.width) *
                             static_cast<std::size_t>(image.height) *
                             static_cast<std::size_t>(image.channels);
    volatile uint8_t ends = static_cast<uint8_t>(image.pixels[0] ^ image.pixels[size - 1]);
    static_cast<void>(ends);
    gfx_image_decode_free(&image);
}

} // namespace

// Decodes the input; whatever is accepted must be a whole image, and a refusal must leave the
// record as it was.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string path = write_fuzz_input(data, size, "img");
    if (path.empty()) {
        return 0;
    }
    DecodedImage image;
    std::memset(&image, 0xA5, sizeof image);
    DecodedImage before;
    std::memcpy(&before, &image, sizeof image);
    if (gfx_image_decode(path.c_str(), &image) == 0) {
        check_decoded(image);
    } else if (std::memcmp(&image, &before, sizeof image) != 0) {
        std::abort();
    }
    return 0;
}
