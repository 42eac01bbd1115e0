// Decoding BMP and TGA files as they are stored, for programs that convert the pixels themselves.
#include <cstdio>
#include <cstdlib>

#include <qzgfx.h>

#include "gfx/image/bmp_decode.h"
#include "gfx/image/tga_decode.h"
#include "rt/rt.h"

namespace {

// Whether the file at path starts with the bitmap signature "BM"; false when it cannot be read.
bool starts_as_bitmap(const char* path) {
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        return false;
    }
    char signature[2] = {};
    const bool bitmap =
        std::fread(signature, 1, 2, file) == 2 && signature[0] == 'B' && signature[1] == 'M';
    std::fclose(file);
    return bitmap;
}

} // namespace

// Picks the decoder by the file's first bytes and fills a fresh record, which reaches *out only
// when the file was decoded whole; no screen is involved.
int gfx_image_decode(const char* path, DecodedImage* out) {
    if (path == nullptr || out == nullptr) {
        return rt_set_error(RT_ERR_ILLEGAL_CALL);
    }
    DecodedImage image{};
    const bool decoded =
        starts_as_bitmap(path) ? bmp_decode_file(path, &image) : tga_decode_file(path, &image);
    if (!decoded) {
        return rt_set_error(RT_ERR_ILLEGAL_CALL);
    }
    *out = image;
    return 0;
}

// Frees the pixel buffer the decoders allocated with malloc.
void gfx_image_decode_free(DecodedImage* image) {
    if (image != nullptr) {
        std::free(image->pixels);
        image->pixels = nullptr;
    }
}
