// The demo's TGA rule: only the two exact 12-byte prefixes, rows kept in file order and the
// descriptor's origin bits not honoured; the pixels are decoded by the library's gfx_image_decode.
#include <qzgfx.h>

#include <cstdlib>
#include <cstring>

#include "demo/texture.h"

namespace {

// The file read_tga has open, whose body the two body readers decode; loads run one at a time.
const char* tga_file_name = nullptr;

// Reads the six header bytes into texture and checks them, closes the file, and has the library
// decode the whole file, which must be the kind of body the prefix named, into a buffer of the
// demo's own.
bool read_tga_body(Texture& texture, std::FILE* file, bool rle) {
    uint8_t header[6] = {};
    if (std::fread(header, 1, sizeof header, file) != sizeof header) {
        std::memset(header, 0, sizeof header);
    }
    std::fclose(file);
    texture.width = header[0] + 256 * header[1];
    texture.height = header[2] + 256 * header[3];
    texture.bpp = header[4];
    if (texture.width == 0 || texture.height == 0 || (texture.bpp != 24 && texture.bpp != 32)) {
        return false;
    }
    texture.format = texture.bpp == 24 ? TEXTURE_FORMAT_RGB : TEXTURE_FORMAT_RGBA;
    texture.pixels = nullptr;
    DecodedImage image{};
    if (tga_file_name == nullptr || gfx_image_decode(tga_file_name, &image) != 0) {
        return false;
    }
    const std::size_t size = static_cast<std::size_t>(image.width) *
                             static_cast<std::size_t>(image.height) *
                             static_cast<std::size_t>(image.channels);
    const bool as_checked = image.file_kind == GFX_FILE_TGA && image.run_length == rle &&
                            image.width == texture.width && image.height == texture.height &&
                            image.file_bits == texture.bpp;
    uint8_t* pixels = as_checked ? static_cast<uint8_t*>(std::malloc(size)) : nullptr;
    if (pixels != nullptr) {
        std::memcpy(pixels, image.pixels, size);
    }
    gfx_image_decode_free(&image);
    texture.pixels = pixels;
    return pixels != nullptr;
}

} // namespace

// Opens the file and hands it to the body reader that its 12-byte prefix names.
bool read_tga(Texture& texture, const char* file_name) {
    std::FILE* file = std::fopen(file_name, "rb");
    if (file == nullptr) {
        return false;
    }
    uint8_t prefix[12];
    const bool whole = std::fread(prefix, 1, sizeof prefix, file) == sizeof prefix;
    bool (*body)(Texture&, std::FILE*) = nullptr;
    if (whole && std::memcmp(prefix, TGA_HEADER_UNCOMPRESSED, sizeof prefix) == 0) {
        body = read_tga_uncompressed;
    } else if (whole && std::memcmp(prefix, TGA_HEADER_RLE, sizeof prefix) == 0) {
        body = read_tga_rle;
    }
    if (body == nullptr) {
        std::fclose(file);
        return false;
    }
    tga_file_name = file_name;
    const bool read = body(texture, file);
    tga_file_name = nullptr;
    return read;
}

// Decodes the pixels as stored; bytes past the file's end stay zero.
bool read_tga_uncompressed(Texture& texture, std::FILE* file) {
    return read_tga_body(texture, file, false);
}

// Expands raw and run packets; a packet that runs past the last pixel fails the load.
bool read_tga_rle(Texture& texture, std::FILE* file) { return read_tga_body(texture, file, true); }
