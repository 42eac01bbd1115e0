// Making, releasing and describing images.
#include <cstdlib>
#include <cstring>

#include <qzgfx.h>

#include "gfx/core/context.h"
#include "gfx/core/pages.h"
#include "gfx/image/image_alloc.h"
#include "gfx/image/image_colour.h"
#include "gfx/image/image_registry.h"
#include "rt/rt.h"

namespace {

// Sets count pixels of bytes_per_pixel bytes from dest on to the pixel value.
void fill_pixels(uint8_t* dest, uint32_t pixel, std::size_t count, int bytes_per_pixel) {
    if (bytes_per_pixel == 1) {
        std::memset(dest, static_cast<int>(pixel), count);
        return;
    }
    for (std::size_t i = 0; i < count; ++i) {
        std::memcpy(dest + i * static_cast<std::size_t>(bytes_per_pixel), &pixel,
                    static_cast<std::size_t>(bytes_per_pixel));
    }
}

} // namespace

// Resolves depth 0 to the screen's, checks the size, and fills the new image.
ImageBuffer* gfx_image_create(int width, int height, int depth, uint32_t fill) {
    const GfxContext* ctx = gfx_context;
    if (depth == 0 && ctx) {
        depth = ctx->depth;
    }
    ImageBuffer* image = image_alloc(width, height, depth);
    if (!image) {
        rt_set_error(RT_ERR_ILLEGAL_CALL);
        return nullptr;
    }
    depth = image_lookup(image)->depth;
    uint32_t pixel = 0;
    if (fill != COLOUR_NONE) {
        pixel = image_native_colour(depth, fill);
    } else if (ctx && ctx->depth == depth) {
        pixel = ctx->fg_colour;
    }
    fill_pixels(image->data(), pixel,
                static_cast<std::size_t>(width) * static_cast<std::size_t>(height),
                image_bytes_per_pixel(depth));
    return image;
}

// Stops drawing into the image if it is the target, then forgets and frees it.
void gfx_image_destroy(ImageBuffer* image) {
    if (!image) {
        return;
    }
    if (!image_lookup(image)) {
        rt_set_error(RT_ERR_ILLEGAL_CALL);
        return;
    }
    GfxContext* ctx = gfx_context;
    if (ctx && ctx->target == image) {
        gfx_set_target(nullptr);
    }
    image_free(image);
}

// Reports what the registry recorded about the image.
int gfx_image_info(const ImageBuffer* image, int* width, int* height, int* bytes_per_pixel,
                   uint8_t** pixels) {
    const ImageRecord* record = image_lookup(image);
    if (!record) {
        return rt_set_error(RT_ERR_ILLEGAL_CALL);
    }
    if (width) {
        *width = record->width;
    }
    if (height) {
        *height = record->height;
    }
    if (bytes_per_pixel) {
        *bytes_per_pixel = image_bytes_per_pixel(record->depth);
    }
    if (pixels) {
        *pixels = const_cast<ImageBuffer*>(image)->data();
    }
    return 0;
}
