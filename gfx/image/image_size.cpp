#include "gfx/image/image_size.h"

#include <algorithm>
#include <cstdint>
#include <limits>

// Measures the rest of the file by seeking to its end and back.
std::size_t bytes_left_in_file(std::FILE* file) {
    long here = std::ftell(file);
    if (here < 0 || std::fseek(file, 0, SEEK_END) != 0) {
        return 0;
    }
    long end = std::ftell(file);
    std::fseek(file, here, SEEK_SET);
    return end > here ? static_cast<std::size_t>(end - here) : 0;
}

namespace {

// The largest buffer a reader allocates: what both size_t and a signed 32-bit count can hold.
unsigned long long max_buffer_bytes() {
    return std::min<unsigned long long>(std::numeric_limits<std::size_t>::max(),
                                        std::numeric_limits<int32_t>::max());
}

} // namespace

// Checks the image's dimensions against memory and against what the file can hold.
bool image_byte_count(long long width, long long height, int bytes_per_pixel,
                      std::size_t bytes_left, std::size_t* byte_count) {
    if (width <= 0 || height <= 0 || bytes_per_pixel <= 0) {
        return false;
    }
    const unsigned long long max_bytes = max_buffer_bytes();
    const unsigned long long pixels =
        static_cast<unsigned long long>(width) * static_cast<unsigned long long>(height);
    if (pixels > max_bytes / static_cast<unsigned long long>(bytes_per_pixel)) {
        return false;
    }
    if ((pixels + MAX_PIXELS_PER_FILE_BYTE - 1) / MAX_PIXELS_PER_FILE_BYTE > bytes_left) {
        return false;
    }
    *byte_count = static_cast<std::size_t>(pixels) * static_cast<std::size_t>(bytes_per_pixel);
    return true;
}

// Works in 64 bits, where width * bits_per_pixel cannot wrap for any 32-bit width, and only then
// narrows to size_t.
bool padded_row_bytes(long long width, int bits_per_pixel, std::size_t* row_bytes) {
    if (width <= 0 || width > std::numeric_limits<int32_t>::max() || bits_per_pixel <= 0 ||
        bits_per_pixel > 32) {
        return false;
    }
    const unsigned long long bits =
        static_cast<unsigned long long>(width) * static_cast<unsigned long long>(bits_per_pixel);
    const unsigned long long bytes = (bits + 31) / 32 * 4;
    if (bytes > max_buffer_bytes()) {
        return false;
    }
    *row_bytes = static_cast<std::size_t>(bytes);
    return true;
}
