// Allocating images: one block of the header and the rows, recorded in the registry.
#include "gfx/image/image_alloc.h"

#include <cstdlib>

#include "gfx/image/image_registry.h"

namespace {

// The stored depth of a requested one, or 0 when it is not one an image can have.
int normalise_depth(int depth) {
    switch (depth) {
    case 1:
    case 2:
    case 4:
    case 8:
        return depth;
    case 15:
    case 16:
        return 16;
    case 24:
    case 32:
        return 32;
    default:
        return 0;
    }
}

} // namespace

ImageBuffer* image_alloc(int width, int height, int depth) {
    depth = normalise_depth(depth);
    if (!depth || width < 1 || width > IMAGE_MAX_WIDTH || height < 1 || height > IMAGE_MAX_HEIGHT) {
        return nullptr;
    }
    const std::size_t bytes =
        sizeof(ImageBuffer) + static_cast<std::size_t>(width) * static_cast<std::size_t>(height) *
                                  static_cast<std::size_t>(image_bytes_per_pixel(depth));
    ImageBuffer* image = static_cast<ImageBuffer*>(std::malloc(bytes));
    if (!image) {
        return nullptr;
    }
    image->width = static_cast<int16_t>(width * 8);
    image->height = static_cast<int16_t>(height);
    if (!image_register(ImageRecord{image, width, height, depth})) {
        std::free(image);
        return nullptr;
    }
    return image;
}

void image_free(ImageBuffer* image) {
    image_unregister(image);
    std::free(image);
}
