#include "bmp_write.h"

#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

// Appends a little-endian value of `size` bytes.
void put_le(std::vector<uint8_t>& out, uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
}

} // namespace

// File header, 40-byte information header, then the rows from the bottom up, each padded to a
// multiple of four bytes, pixels blue, green, red.
bool write_bmp(const std::string& path, const Image& image) {
    const uint32_t row_bytes = (static_cast<uint32_t>(image.width) * 3 + 3) / 4 * 4;
    const uint32_t data_bytes = row_bytes * static_cast<uint32_t>(image.height);
    std::vector<uint8_t> out = {'B', 'M'};
    put_le(out, 54 + data_bytes, 4);
    put_le(out, 0, 4);
    put_le(out, 54, 4);
    put_le(out, 40, 4);
    put_le(out, static_cast<uint32_t>(image.width), 4);
    put_le(out, static_cast<uint32_t>(image.height), 4);
    put_le(out, 1, 2);
    put_le(out, 24, 2);
    put_le(out, 0, 4);
    put_le(out, data_bytes, 4);
    put_le(out, 2835, 4);
    put_le(out, 2835, 4);
    put_le(out, 0, 4);
    put_le(out, 0, 4);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const uint8_t* p =
                &image.pixels[(static_cast<std::size_t>(y) * image.width + x) * image.channels];
            out.insert(out.end(), {p[2], p[1], p[0]});
        }
        out.resize(out.size() + row_bytes - static_cast<uint32_t>(image.width) * 3, 0);
    }
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) {
        return false;
    }
    const bool written = std::fwrite(out.data(), 1, out.size(), f) == out.size();
    return std::fclose(f) == 0 && written;
}
