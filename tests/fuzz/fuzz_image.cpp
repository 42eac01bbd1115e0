// libFuzzer target: the library's BMP and TGA decoders, with every kind they take, on arbitrary
// files.
#include <cstdlib>

#include "fuzz_input_file.h"
#include "gfx/image/bmp_decode.h"
#include "gfx/image/tga_decode.h"

namespace {

// Aborts (a finding for the fuzzer) when a decoded image does not describe its buffer; touches
// the buffer's first and last byte so the address sanitizer checks its extent. Frees the buffer.
void check_decoded(DecodedImage& image) {
    if (image.pixels == nullptr || image.width <= 0 || image.height <= 0 ||
        (image.channels != 1 && image.channels != 3 && image.channels != 4)) {
        std::abort();
    }
    const std::size_t size = static_cast<std::size_t>(image.width) *
                             static_cast<std::size_t>(image.height) *
                             static_cast<std::size_t>(image.channels);
    volatile uint8_t ends = static_cast<uint8_t>(image.pixels[0] ^ image.pixels[size - 1]);
    static_cast<void>(ends);
    std::free(image.pixels);
}

} // namespace

// Reads the input with both decoders; whatever either accepts must be a whole image.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string path = write_fuzz_input(data, size, "img");
    if (path.empty()) {
        return 0;
    }
    DecodedImage image{};
    if (bmp_decode_file(path.c_str(), &image)) {
        check_decoded(image);
    }
    image = DecodedImage{};
    if (tga_decode_file(path.c_str(), &image)) {
        check_decoded(image);
    }
    return 0;
}
