// Loading BMP and TGA files as images at the open screen's depth.
#include <cstddef>
#include <cstring>

#include <qzgfx.h>

#include "gfx/core/context.h"
#include "gfx/image/image_alloc.h"
#include "gfx/image/image_colour.h"
#include "gfx/image/image_registry.h"
#include "gfx/image/nearest_colour.h"
#include "rt/rt.h"

namespace {

// The decoded pixel of a picture row as 0x00RRGGBB plus alpha in the top byte (0 when the file
// has none).
uint32_t decoded_argb(const DecodedImage& d, const uint8_t* p) {
    if (d.channels == 1) {
        const uint8_t* rgb = d.palette[*p];
        return static_cast<uint32_t>(rgb[0]) << 16 | static_cast<uint32_t>(rgb[1]) << 8 | rgb[2];
    }
    const uint32_t alpha = d.has_alpha ? static_cast<uint32_t>(p[3]) << 24 : 0;
    return alpha | static_cast<uint32_t>(p[0]) << 16 | static_cast<uint32_t>(p[1]) << 8 | p[2];
}

// Converts the decoded picture, turned upright and unmirrored by the order the file stores it in,
// into the image's pixels at the screen's depth.
void convert(const DecodedImage& d, ImageBuffer* image, const GfxContext* ctx) {
    uint8_t* out = image->data();
    const int depth = ctx->depth;
    const std::size_t in_row =
        static_cast<std::size_t>(d.width) * static_cast<std::size_t>(d.channels);
    NearestColour nearest(ctx->palette, depth <= 8 ? 1 << depth : 0);
    for (int y = 0; y < d.height; ++y) {
        const int file_row = d.top_down ? y : d.height - 1 - y;
        const uint8_t* row = d.pixels + static_cast<std::size_t>(file_row) * in_row;
        for (int x = 0; x < d.width; ++x) {
            const int file_column = d.right_to_left ? d.width - 1 - x : x;
            const uint8_t* in =
                row + static_cast<std::size_t>(file_column) * static_cast<std::size_t>(d.channels);
            if (depth <= 8) {
                *out++ = d.channels == 1 ? static_cast<uint8_t>(*in & ctx->colour_mask)
                                         : nearest.find(in[0], in[1], in[2]);
                continue;
            }
            const uint32_t argb = decoded_argb(d, in);
            if (depth == 16) {
                const uint16_t p = static_cast<uint16_t>(image_native_colour(16, argb & 0xFFFFFF));
                std::memcpy(out, &p, 2);
                out += 2;
            } else {
                std::memcpy(out, &argb, 4);
                out += 4;
            }
        }
    }
}

} // namespace

// Decodes the file, makes an image of its size at the screen's depth and converts the pixels.
ImageBuffer* gfx_image_load(const char* path) {
    const GfxContext* ctx = gfx_context;
    if (!ctx) {
        rt_set_error(RT_ERR_ILLEGAL_CALL);
        return nullptr;
    }
    DecodedImage decoded{};
    if (gfx_image_decode(path, &decoded) != 0) {
        return nullptr;
    }
    ImageBuffer* image = image_alloc(decoded.width, decoded.height, ctx->depth);
    if (image) {
        convert(decoded, image, ctx);
    } else {
        rt_set_error(RT_ERR_ILLEGAL_CALL);
    }
    gfx_image_decode_free(&decoded);
    return image;
}
