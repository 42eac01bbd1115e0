// The demo's BMP rule: 8-bit paletted and 24-bit bitmaps stored bottom up, as an RGB texture with
// rows in file order; the file is decoded by the library's shared BMP decoder.
#include <cstdlib>

#include "demo/texture.h"
#include "gfx/image/bmp_decode.h"

// Decodes the bitmap and expands 8-bit indices through its palette; refuses what the demo's rule
// does not take (32 bits, top-down rows), leaving the record alone.
bool read_bmp(Texture& texture, const char* file_name) {
    DecodedImage image{};
    if (!bmp_decode_file(file_name, &image)) {
        return false;
    }
    if (image.file_bits == 32 || image.top_down) {
        std::free(image.pixels);
        return false;
    }
    if (image.channels == 1) {
        const std::size_t count =
            static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height);
        uint8_t* rgb = static_cast<uint8_t*>(std::malloc(count * 3));
        if (rgb == nullptr) {
            std::free(image.pixels);
            return false;
        }
        for (std::size_t i = 0; i < count; ++i) {
            const uint8_t* bgr = image.palette[image.pixels[i]];
            rgb[3 * i] = bgr[2];
            rgb[3 * i + 1] = bgr[1];
            rgb[3 * i + 2] = bgr[0];
        }
        std::free(image.pixels);
        image.pixels = rgb;
    }
    texture.width = image.width;
    texture.height = image.height;
    texture.bpp = 24;
    texture.format = TEXTURE_FORMAT_RGB;
    texture.pixels = image.pixels;
    return true;
}
