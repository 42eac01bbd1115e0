// The demo's BMP rule: 8-bit paletted and 24-bit bitmaps stored bottom up, as an RGB texture with
// rows in file order; the file is decoded by the library's gfx_image_decode.
#include <qzgfx.h>

#include <cstdlib>
#include <cstring>

#include "demo/texture.h"

// Decodes the bitmap and copies it, 8-bit indices expanded through its palette, into a buffer of
// the demo's own; refuses what the demo's rule does not take (another kind of file, 32 bits,
// top-down rows), leaving the record alone.
bool read_bmp(Texture& texture, const char* file_name) {
    DecodedImage image{};
    if (gfx_image_decode(file_name, &image) != 0) {
        return false;
    }
    if (image.file_kind != GFX_FILE_BMP || image.file_bits == 32 || image.top_down) {
        gfx_image_decode_free(&image);
        return false;
    }
    const std::size_t count =
        static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height);
    uint8_t* rgb = static_cast<uint8_t*>(std::malloc(count * 3));
    if (rgb == nullptr) {
        gfx_image_decode_free(&image);
        return false;
    }
    if (image.channels == 1) {
        for (std::size_t i = 0; i < count; ++i) {
            std::memcpy(rgb + 3 * i, image.palette[image.pixels[i]], 3);
        }
    } else {
        std::memcpy(rgb, image.pixels, count * 3);
    }
    gfx_image_decode_free(&image);
    texture.width = image.width;
    texture.height = image.height;
    texture.bpp = 24;
    texture.format = TEXTURE_FORMAT_RGB;
    texture.pixels = rgb;
    return true;
}
