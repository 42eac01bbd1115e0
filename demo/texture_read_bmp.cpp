#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "demo/image_size.h"
#include "demo/texture.h"

namespace {

constexpr uint16_t BMP_SIGNATURE = 0x4D42; // "BM"
constexpr int BMP_FILE_HEADER_SIZE = 14;
constexpr int BMP_INFO_HEADER_SIZE = 40;
constexpr int BMP_PALETTE_MAX = 256;

// A little-endian 16-bit value at p.
uint16_t read_u16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

// A little-endian 32-bit value at p.
uint32_t read_u32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

// Reads the palette of an 8-bit image: count entries of blue, green, red, unused, starting at
// offset. Entries the file does not hold stay black.
void read_palette(std::FILE* file, long offset, uint32_t count, uint8_t (&palette)[BMP_PALETTE_MAX][4]) {
    std::memset(palette, 0, sizeof palette);
    if (count == 0 || count > BMP_PALETTE_MAX) {
        count = BMP_PALETTE_MAX;
    }
    if (std::fseek(file, offset, SEEK_SET) == 0) {
        static_cast<void>(std::fread(palette, 4, count, file));
    }
}

} // namespace

// Decodes an uncompressed 8-bit or 24-bit bitmap row by row from the file header's pixel offset,
// skipping each row's padding; rows past the end of the file stay zero, but the file must hold at
// least one whole row.
bool read_bmp(Texture& texture, const char* file_name) {
    std::FILE* file = std::fopen(file_name, "rb");
    if (file == nullptr) {
        return false;
    }
    uint8_t file_header[BMP_FILE_HEADER_SIZE];
    uint8_t info[BMP_INFO_HEADER_SIZE];
    if (std::fread(file_header, 1, sizeof file_header, file) != sizeof file_header ||
        read_u16(file_header) != BMP_SIGNATURE ||
        std::fread(info, 1, sizeof info, file) != sizeof info) {
        std::fclose(file);
        return false;
    }
    const uint32_t data_offset = read_u32(file_header + 10);
    const uint32_t info_size = read_u32(info);
    const int32_t width = static_cast<int32_t>(read_u32(info + 4));
    const int32_t height = static_cast<int32_t>(read_u32(info + 8));
    const int bit_count = read_u16(info + 14);
    if (bit_count != 8 && bit_count != 24) {
        std::fclose(file);
        return false;
    }
    uint8_t palette[BMP_PALETTE_MAX][4];
    if (bit_count == 8) {
        const long palette_offset =
            BMP_FILE_HEADER_SIZE + static_cast<long>(std::max<uint32_t>(
                                       std::min<uint32_t>(info_size, 0x10000), BMP_INFO_HEADER_SIZE));
        read_palette(file, palette_offset, read_u32(info + 32), palette);
    }
    // Every size is checked before use: a row wider than the rest of the file cannot be stored
    // in it, and an unchecked row size wraps on 32-bit builds for widths near 2^32 / bit_count.
    const bool at_data = std::fseek(file, static_cast<long>(data_offset), SEEK_SET) == 0;
    const std::size_t data_left = at_data ? bytes_left_in_file(file) : 0;
    std::size_t total = 0;
    std::size_t file_row = 0;
    if (!at_data || !image_byte_count(width, height, 3, data_left, &total) ||
        !padded_row_bytes(width, bit_count, &file_row) || file_row > data_left) {
        std::fclose(file);
        return false;
    }
    uint8_t* pixels = static_cast<uint8_t*>(std::calloc(total, 1));
    uint8_t* row = static_cast<uint8_t*>(std::malloc(file_row));
    if (pixels == nullptr || row == nullptr) {
        std::free(pixels);
        std::free(row);
        std::fclose(file);
        return false;
    }
    uint8_t* out = pixels;
    for (int32_t y = 0; y < height; ++y) {
        std::memset(row, 0, file_row);
        static_cast<void>(std::fread(row, 1, file_row, file));
        for (int32_t x = 0; x < width; ++x, out += 3) {
            const uint8_t* bgr = bit_count == 24 ? row + 3 * x : palette[row[x]];
            out[0] = bgr[2];
            out[1] = bgr[1];
            out[2] = bgr[0];
        }
    }
    std::free(row);
    std::fclose(file);
    texture.width = width;
    texture.height = height;
    texture.bpp = 24;
    texture.format = TEXTURE_FORMAT_RGB;
    texture.pixels = pixels;
    return true;
}
