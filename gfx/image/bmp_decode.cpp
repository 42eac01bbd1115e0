// Windows bitmap decoding: headers, palette, stored rows, RLE8 streams and 32-bit bit fields.
#include "gfx/image/bmp_decode.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "gfx/image/image_size.h"

namespace {

constexpr uint16_t BMP_SIGNATURE = 0x4D42; // "BM"
constexpr int BMP_FILE_HEADER_SIZE = 14;
constexpr int BMP_INFO_HEADER_SIZE = 40;
constexpr int BMP_V4_MASKS_END = 56; // an information header this long holds all four masks
constexpr uint32_t BMP_PALETTE_MAX = 256;
constexpr uint32_t BI_RGB = 0;
constexpr uint32_t BI_RLE8 = 1;
constexpr uint32_t BI_BITFIELDS = 3;

// A little-endian 16-bit value at p.
uint16_t read_u16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

// A little-endian 32-bit value at p.
uint32_t read_u32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

// What the headers say about the pixels.
struct BmpLayout {
    uint32_t data_offset;
    uint32_t info_size;
    int32_t width;
    int32_t height; // made positive; top_down records the sign
    bool top_down;
    int bit_count;
    uint32_t compression;
    uint32_t masks[4]; // red, green, blue, alpha bit fields of 32-bit pixels
};

// Reads the palette of an 8-bit image: count entries of blue, green, red, unused, starting at
// offset. Entries the file does not hold stay black.
void read_palette(std::FILE* file, long offset, uint32_t count, uint8_t (&palette)[256][4]) {
    std::memset(palette, 0, sizeof palette);
    if (count == 0 || count > BMP_PALETTE_MAX) {
        count = BMP_PALETTE_MAX;
    }
    if (std::fseek(file, offset, SEEK_SET) == 0) {
        static_cast<void>(std::fread(palette, 4, count, file));
    }
}

// Reads the bit fields of a 32-bit image: from the information header when it is long enough,
// else the three masks that follow it; BI_RGB files have fixed fields and no alpha.
bool read_masks(std::FILE* file, const uint8_t* info_rest, BmpLayout& layout) {
    if (layout.compression == BI_RGB) {
        layout.masks[0] = 0xFF0000;
        layout.masks[1] = 0xFF00;
        layout.masks[2] = 0xFF;
        layout.masks[3] = 0;
        return true;
    }
    uint8_t masks[16] = {};
    if (layout.info_size >= BMP_V4_MASKS_END) {
        std::memcpy(masks, info_rest, 16);
    } else if (std::fseek(file, BMP_FILE_HEADER_SIZE + BMP_INFO_HEADER_SIZE, SEEK_SET) != 0 ||
               std::fread(masks, 1, 12, file) != 12) {
        return false;
    }
    for (int i = 0; i < 4; ++i) {
        layout.masks[i] = read_u32(masks + 4 * i);
    }
    return layout.masks[0] && layout.masks[1] && layout.masks[2];
}

// Reads the headers; false for a file that is not a bitmap of a kind decoded here.
bool read_layout(std::FILE* file, BmpLayout& layout, uint8_t (&palette)[256][4]) {
    uint8_t file_header[BMP_FILE_HEADER_SIZE];
    uint8_t info[BMP_V4_MASKS_END] = {};
    if (std::fread(file_header, 1, sizeof file_header, file) != sizeof file_header ||
        read_u16(file_header) != BMP_SIGNATURE ||
        std::fread(info, 1, BMP_INFO_HEADER_SIZE, file) != BMP_INFO_HEADER_SIZE) {
        return false;
    }
    layout.data_offset = read_u32(file_header + 10);
    layout.info_size = read_u32(info);
    if (layout.info_size >= BMP_V4_MASKS_END) {
        static_cast<void>(std::fread(info + BMP_INFO_HEADER_SIZE, 1,
                                     BMP_V4_MASKS_END - BMP_INFO_HEADER_SIZE, file));
    }
    layout.width = static_cast<int32_t>(read_u32(info + 4));
    const int32_t height = static_cast<int32_t>(read_u32(info + 8));
    layout.top_down = height < 0;
    layout.height = height == INT32_MIN ? 0 : height < 0 ? -height : height;
    layout.bit_count = read_u16(info + 14);
    layout.compression = read_u32(info + 16);
    const bool known = (layout.bit_count == 8 &&
                        (layout.compression == BI_RGB || layout.compression == BI_RLE8)) ||
                       (layout.bit_count == 24 && layout.compression == BI_RGB) ||
                       (layout.bit_count == 32 &&
                        (layout.compression == BI_RGB || layout.compression == BI_BITFIELDS));
    if (!known) {
        return false;
    }
    if (layout.bit_count == 32) {
        return read_masks(file, info + BMP_INFO_HEADER_SIZE, layout);
    }
    if (layout.bit_count == 8) {
        const long palette_offset =
            BMP_FILE_HEADER_SIZE +
            static_cast<long>(std::max<uint32_t>(std::min<uint32_t>(layout.info_size, 0x10000),
                                                 BMP_INFO_HEADER_SIZE));
        read_palette(file, palette_offset, read_u32(info + 32), palette);
    }
    return true;
}

// One field of a 32-bit pixel scaled to 8 bits.
uint8_t field(uint32_t pixel, uint32_t mask) {
    if (mask == 0) {
        return 255;
    }
    int shift = 0;
    while (!((mask >> shift) & 1)) {
        ++shift;
    }
    const uint32_t top = mask >> shift;
    const uint32_t value = (pixel & mask) >> shift;
    return static_cast<uint8_t>(top >= 255 ? value >> (32 - __builtin_clz(top) - 8)
                                           : value * 255 / top);
}

// Turns one stored row into decoded pixels.
void decode_row(const uint8_t* row, uint8_t* out, const BmpLayout& layout) {
    for (int32_t x = 0; x < layout.width; ++x) {
        if (layout.bit_count == 8) {
            out[x] = row[x];
        } else if (layout.bit_count == 24) {
            out[3 * x] = row[3 * x + 2];
            out[3 * x + 1] = row[3 * x + 1];
            out[3 * x + 2] = row[3 * x];
        } else {
            const uint32_t p = read_u32(row + 4 * x);
            for (int c = 0; c < 4; ++c) {
                out[4 * x + c] = field(p, layout.masks[c]);
            }
        }
    }
}

// The bytes of one stored row, padded to four; false when not even one row is in the file, which
// is known before any buffer is made.
bool stored_row_bytes(const BmpLayout& layout, std::size_t data_left, std::size_t* file_row) {
    return padded_row_bytes(layout.width, layout.bit_count, file_row) && *file_row <= data_left;
}

// Decodes stored rows of file_row bytes each.
bool decode_stored(std::FILE* file, const BmpLayout& layout, std::size_t file_row, uint8_t* pixels,
                   int channels) {
    uint8_t* row = static_cast<uint8_t*>(std::malloc(file_row));
    if (row == nullptr) {
        return false;
    }
    const std::size_t out_row =
        static_cast<std::size_t>(layout.width) * static_cast<std::size_t>(channels);
    for (int32_t y = 0; y < layout.height; ++y) {
        std::memset(row, 0, file_row);
        static_cast<void>(std::fread(row, 1, file_row, file));
        decode_row(row, pixels + static_cast<std::size_t>(y) * out_row, layout);
    }
    std::free(row);
    return true;
}

// Decodes an RLE8 stream: runs, literal runs padded to two bytes, line ends, deltas and the end
// of the bitmap. Pixels a packet would put outside the image are dropped; the stream ends at the
// end of the bitmap, at the end of the file, or after the last row.
void decode_rle8(std::FILE* file, const BmpLayout& layout, uint8_t* pixels) {
    const long w = layout.width;
    const long h = layout.height;
    long x = 0;
    long y = 0;
    auto put = [&](int index) {
        if (x < w && y < h) {
            pixels[y * w + x] = static_cast<uint8_t>(index);
        }
        ++x;
    };
    while (y < h) {
        const int count = std::fgetc(file);
        const int value = std::fgetc(file);
        if (count == EOF || value == EOF) {
            return;
        }
        if (count > 0) {
            for (int i = 0; i < count; ++i) {
                put(value);
            }
        } else if (value == 0) {
            x = 0;
            ++y;
        } else if (value == 1) {
            return;
        } else if (value == 2) {
            const int dx = std::fgetc(file);
            const int dy = std::fgetc(file);
            if (dx == EOF || dy == EOF) {
                return;
            }
            x += dx;
            y += dy;
        } else {
            for (int i = 0; i < value; ++i) {
                const int index = std::fgetc(file);
                if (index == EOF) {
                    return;
                }
                put(index);
            }
            if (value & 1) {
                std::fgetc(file);
            }
        }
    }
}

} // namespace

// Reads the headers, checks every size against memory and the file, and decodes the rows.
bool bmp_decode_file(const char* path, DecodedImage* image) {
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        return false;
    }
    BmpLayout layout{};
    uint8_t palette[256][4];
    if (!read_layout(file, layout, palette)) {
        std::fclose(file);
        return false;
    }
    const int channels = layout.bit_count == 8 ? 1 : layout.bit_count / 8;
    // Every size is checked before use: a row wider than the rest of the file cannot be stored
    // in it, and an unchecked row size wraps on 32-bit builds for widths near 2^32 / bit_count.
    const bool at_data = std::fseek(file, static_cast<long>(layout.data_offset), SEEK_SET) == 0;
    const std::size_t data_left = at_data ? bytes_left_in_file(file) : 0;
    const bool run_length = layout.compression == BI_RLE8;
    std::size_t file_row = 0;
    std::size_t total = 0;
    uint8_t* pixels = nullptr;
    bool ok = at_data && (run_length || stored_row_bytes(layout, data_left, &file_row)) &&
              image_byte_count(layout.width, layout.height, channels, data_left, &total) &&
              (pixels = static_cast<uint8_t*>(std::calloc(total, 1))) != nullptr;
    if (ok && run_length) {
        decode_rle8(file, layout, pixels);
    } else if (ok) {
        ok = decode_stored(file, layout, file_row, pixels, channels);
    }
    std::fclose(file);
    if (!ok) {
        std::free(pixels);
        return false;
    }
    image->width = layout.width;
    image->height = layout.height;
    image->file_kind = GFX_FILE_BMP;
    image->file_bits = layout.bit_count;
    image->channels = channels;
    image->run_length = run_length;
    image->top_down = layout.top_down;
    image->right_to_left = false;
    image->has_alpha = layout.bit_count == 32 && layout.masks[3] != 0;
    image->pixels = pixels;
    if (channels == 1) {
        for (int i = 0; i < 256; ++i) {
            image->palette[i][0] = palette[i][2];
            image->palette[i][1] = palette[i][1];
            image->palette[i][2] = palette[i][0];
        }
    }
    return true;
}
