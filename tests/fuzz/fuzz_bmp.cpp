// libFuzzer target: the BMP reader on arbitrary files.
#include "fuzz_input_file.h"
#include "fuzz_reader_check.h"

// Reads the input as a .bmp file; whatever is accepted must be a whole, consistent image.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string path = write_fuzz_input(data, size, "bmp");
    Texture texture{};
    if (!path.empty() && read_bmp(texture, path.c_str())) {
        check_accepted_texture(texture);
    }
    return 0;
}
