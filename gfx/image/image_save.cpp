// Saving an image, or the view of the drawing target, as a Windows bitmap.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include <qzgfx.h>

#include "gfx/core/context.h"
#include "gfx/image/image_colour.h"
#include "gfx/image/image_registry.h"
#include "rt/rt.h"

namespace {

constexpr uint32_t BMP_FILE_HEADER_SIZE = 14;
constexpr uint32_t BMP_INFO_HEADER_SIZE = 40;
constexpr uint32_t BMP_V4_HEADER_SIZE = 108;
constexpr uint32_t BI_RGB = 0;
constexpr uint32_t BI_BITFIELDS = 3;

// The picture to save: rows of width pixels at depth, the first row the top one.
struct Picture {
    int width;
    int height;
    int depth;
    uint8_t* const* rows; // the target's row pointers from the top row on, when saving it
    std::size_t skip;     // bytes from a target row's start to the picture's first pixel
    const uint8_t* data;  // else the image's rows, back to back

    const uint8_t* row(int y) const {
        return rows ? rows[y] + skip
                    : data + static_cast<std::size_t>(y) * static_cast<std::size_t>(width) *
                                 static_cast<std::size_t>(image_bytes_per_pixel(depth));
    }
};

// The longest headers: file header, version 4 information header and 256 palette entries.
constexpr std::size_t BMP_MAX_HEADERS = BMP_FILE_HEADER_SIZE + BMP_V4_HEADER_SIZE + 4 * 256;

// Bytes written one after another into a fixed buffer.
struct HeaderBytes {
    uint8_t bytes[BMP_MAX_HEADERS];
    std::size_t size;

    void push(uint8_t b) { bytes[size++] = b; }
};

// Appends a little-endian value of `size` bytes.
void put_le(HeaderBytes& out, uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        out.push(static_cast<uint8_t>(value >> (8 * i)));
    }
}

// Whether any 32-bit pixel has a non-zero top byte, which then goes into the file as alpha.
bool has_top_bytes(const Picture& p) {
    for (int y = 0; y < p.height; ++y) {
        const uint8_t* row = p.row(y);
        for (int x = 0; x < p.width; ++x) {
            if (row[4 * x + 3]) {
                return true;
            }
        }
    }
    return false;
}

// The headers (and palette) of a bitmap of the picture stored with bits bits per pixel.
void headers(const Picture& p, int bits, const uint32_t* palette, uint32_t row_bytes,
             HeaderBytes& out) {
    const uint32_t colours = bits == 8 ? 1u << p.depth : 0;
    const uint32_t info_size = bits == 32 ? BMP_V4_HEADER_SIZE : BMP_INFO_HEADER_SIZE;
    const uint32_t offset = BMP_FILE_HEADER_SIZE + info_size + 4 * colours;
    out.size = 0;
    out.push('B');
    out.push('M');
    put_le(out, offset + row_bytes * static_cast<uint32_t>(p.height), 4);
    put_le(out, 0, 4);
    put_le(out, offset, 4);
    put_le(out, info_size, 4);
    put_le(out, static_cast<uint32_t>(p.width), 4);
    put_le(out, static_cast<uint32_t>(p.height), 4);
    put_le(out, 1, 2);
    put_le(out, static_cast<uint32_t>(bits), 2);
    put_le(out, bits == 32 ? BI_BITFIELDS : BI_RGB, 4);
    put_le(out, row_bytes * static_cast<uint32_t>(p.height), 4);
    put_le(out, 2835, 4); // 72 dots per inch
    put_le(out, 2835, 4);
    put_le(out, colours, 4);
    put_le(out, 0, 4);
    if (bits == 32) {
        for (uint32_t mask : {0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0xFF000000u}) {
            put_le(out, mask, 4);
        }
        put_le(out, 0x73524742, 4); // "sRGB" colour space
        while (out.size < BMP_FILE_HEADER_SIZE + BMP_V4_HEADER_SIZE) {
            out.push(0);
        }
    }
    for (uint32_t i = 0; i < colours; ++i) {
        const uint32_t bgr = palette[i]; // 0x00BBGGRR
        out.push(static_cast<uint8_t>(bgr >> 16));
        out.push(static_cast<uint8_t>(bgr >> 8));
        out.push(static_cast<uint8_t>(bgr));
        out.push(0);
    }
}

// Stores one picture row, bottom-up order being the caller's, as the file's row of bits bits.
void store_row(const Picture& p, int y, int bits, uint8_t* out) {
    const uint8_t* row = p.row(y);
    for (int x = 0; x < p.width; ++x) {
        if (bits == 8) {
            out[x] = row[x];
            continue;
        }
        uint32_t argb = 0;
        if (p.depth == 16) {
            uint16_t v;
            std::memcpy(&v, row + 2 * x, 2);
            argb = image_565_to_rgb(v);
        } else {
            std::memcpy(&argb, row + 4 * x, 4);
        }
        const int bytes = bits / 8;
        for (int c = 0; c < bytes; ++c) {
            out[bytes * x + c] = static_cast<uint8_t>(argb >> (8 * c));
        }
    }
}

// Writes the whole file; false when any write fails.
bool write_bitmap(const Picture& p, const uint32_t* palette, const char* path) {
    const int bits = p.depth <= 8 ? 8 : p.depth == 32 && has_top_bytes(p) ? 32 : 24;
    const uint32_t row_bytes =
        (static_cast<uint32_t>(p.width) * static_cast<uint32_t>(bits) + 31) / 32 * 4;
    HeaderBytes head;
    headers(p, bits, palette, row_bytes, head);
    uint8_t* row = static_cast<uint8_t*>(std::calloc(row_bytes, 1));
    std::FILE* file = row ? std::fopen(path, "wb") : nullptr;
    if (!file) {
        std::free(row);
        return false;
    }
    bool ok = std::fwrite(head.bytes, 1, head.size, file) == head.size;
    for (int y = p.height - 1; ok && y >= 0; --y) {
        store_row(p, y, bits, row);
        ok = std::fwrite(row, 1, row_bytes, file) == row_bytes;
    }
    std::free(row);
    ok = std::fclose(file) == 0 && ok;
    if (!ok) {
        std::remove(path);
    }
    return ok;
}

} // namespace

// Describes the image or the target's view as a picture and writes it.
int gfx_image_save(const ImageBuffer* image, const char* path) {
    GfxContext* ctx = gfx_context;
    if (!path) {
        return rt_set_error(RT_ERR_ILLEGAL_CALL);
    }
    Picture picture{};
    if (image) {
        const ImageRecord* record = image_lookup(image);
        if (!record || (record->depth <= 8 && (!ctx || ctx->depth != record->depth))) {
            return rt_set_error(RT_ERR_ILLEGAL_CALL);
        }
        picture = {record->width,
                   record->height,
                   record->depth,
                   nullptr,
                   0,
                   const_cast<ImageBuffer*>(image)->data()};
    } else {
        if (!ctx || ctx->view_w <= 0 || ctx->view_h <= 0) {
            return rt_set_error(RT_ERR_ILLEGAL_CALL);
        }
        picture = {ctx->view_w,
                   ctx->view_h,
                   ctx->depth,
                   ctx->rows + ctx->view_y,
                   static_cast<std::size_t>(ctx->view_x) *
                       static_cast<std::size_t>(ctx->bytes_per_pixel),
                   nullptr};
    }
    GfxLockGuard lock(ctx);
    if (!write_bitmap(picture, ctx ? ctx->palette : nullptr, path)) {
        return rt_set_error(RT_ERR_ILLEGAL_CALL);
    }
    return 0;
}
