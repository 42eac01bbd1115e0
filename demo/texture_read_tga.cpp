// The demo's TGA rule: only the two exact 12-byte prefixes, rows kept in file order; the pixels
// are decoded by the library's shared TGA decoder.
#include <cstdlib>
#include <cstring>

#include "demo/texture.h"
#include "gfx/image/tga_decode.h"

namespace {

// Reads the six header bytes into texture, checks them, and decodes the body stored or as
// run-length packets. The file is closed on every path.
bool read_tga_body(Texture& texture, std::FILE* file, bool rle) {
    uint8_t header[6] = {};
    if (std::fread(header, 1, sizeof header, file) != sizeof header) {
        std::memset(header, 0, sizeof header);
    }
    texture.width = header[0] + 256 * header[1];
    texture.height = header[2] + 256 * header[3];
    texture.bpp = header[4];
    if (texture.width == 0 || texture.height == 0 || (texture.bpp != 24 && texture.bpp != 32)) {
        std::fclose(file);
        return false;
    }
    texture.format = texture.bpp == 24 ? TEXTURE_FORMAT_RGB : TEXTURE_FORMAT_RGBA;
    texture.pixels = nullptr;
    std::size_t size = 0;
    const bool decoded = tga_decode_pixels(file, texture.width, texture.height, texture.bpp / 8,
                                           rle, &texture.pixels, &size);
    std::fclose(file);
    return decoded;
}

} // namespace

// Opens the file and hands it to the body reader that its 12-byte prefix names.
bool read_tga(Texture& texture, const char* file_name) {
    std::FILE* file = std::fopen(file_name, "rb");
    if (file == nullptr) {
        return false;
    }
    uint8_t prefix[12];
    if (std::fread(prefix, 1, sizeof prefix, file) == sizeof prefix) {
        if (std::memcmp(prefix, TGA_HEADER_UNCOMPRESSED, sizeof prefix) == 0) {
            return read_tga_uncompressed(texture, file);
        }
        if (std::memcmp(prefix, TGA_HEADER_RLE, sizeof prefix) == 0) {
            return read_tga_rle(texture, file);
        }
    }
    std::fclose(file);
    return false;
}

// Reads the pixels as stored; bytes past the file's end stay zero.
bool read_tga_uncompressed(Texture& texture, std::FILE* file) {
    return read_tga_body(texture, file, false);
}

// Expands raw and run packets; a packet that runs past the last pixel fails the load.
bool read_tga_rle(Texture& texture, std::FILE* file) { return read_tga_body(texture, file, true); }
