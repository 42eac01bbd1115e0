#include <cstdlib>
#include <cstring>

#include "demo/image_size.h"
#include "demo/texture.h"

namespace {

// The six header bytes after the prefix, and what follows from them.
struct TgaBody {
    int bytes_per_pixel;
    std::size_t image_size; // bytes of the decoded buffer
};

// Reads the six header bytes into texture, checks them and allocates the zeroed pixel buffer.
// On failure the file is closed.
bool start_tga_body(Texture& texture, std::FILE* file, TgaBody& body) {
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
    body.bytes_per_pixel = texture.bpp / 8;
    texture.pixels = nullptr;
    if (!image_byte_count(texture.width, texture.height, body.bytes_per_pixel,
                          bytes_left_in_file(file), &body.image_size)) {
        std::fclose(file);
        return false;
    }
    texture.pixels = static_cast<uint8_t*>(std::calloc(body.image_size, 1));
    if (texture.pixels == nullptr) {
        std::fclose(file);
        return false;
    }
    return true;
}

// Stores one file pixel (B G R [A]) as R G B [A] at dest.
void store_pixel(uint8_t* dest, const uint8_t* file_pixel, int bytes_per_pixel) {
    dest[0] = file_pixel[2];
    dest[1] = file_pixel[1];
    dest[2] = file_pixel[0];
    if (bytes_per_pixel == 4) {
        dest[3] = file_pixel[3];
    }
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

// Reads the pixels as stored and swaps blue and red; bytes past the file's end stay zero.
bool read_tga_uncompressed(Texture& texture, std::FILE* file) {
    TgaBody body{};
    if (!start_tga_body(texture, file, body)) {
        return false;
    }
    std::size_t got = std::fread(texture.pixels, 1, body.image_size, file);
    std::memset(texture.pixels + got, 0, body.image_size - got);
    for (std::size_t at = 0; at < body.image_size; at += body.bytes_per_pixel) {
        uint8_t blue = texture.pixels[at];
        texture.pixels[at] = texture.pixels[at + 2];
        texture.pixels[at + 2] = blue;
    }
    std::fclose(file);
    return true;
}

// Expands raw and run packets; a packet that runs past the last pixel fails the load, and pixels
// the file ends before leave zero.
bool read_tga_rle(Texture& texture, std::FILE* file) {
    TgaBody body{};
    if (!start_tga_body(texture, file, body)) {
        return false;
    }
    const std::size_t pixel_count = body.image_size / body.bytes_per_pixel;
    std::size_t current_pixel = 0;
    uint8_t scratch[4];
    do {
        int header = std::fgetc(file);
        if (header == EOF) {
            break;
        }
        const bool run = header >= 128;
        const int count = run ? header - 127 : header + 1;
        for (int i = 0; i < count; ++i) {
            if (!run || i == 0) {
                std::memset(scratch, 0, sizeof scratch);
                static_cast<void>(std::fread(scratch, 1, body.bytes_per_pixel, file));
            }
            if (current_pixel >= pixel_count) {
                std::fclose(file);
                std::free(texture.pixels);
                texture.pixels = nullptr;
                return false;
            }
            store_pixel(texture.pixels + current_pixel * body.bytes_per_pixel, scratch,
                        body.bytes_per_pixel);
            ++current_pixel;
        }
    } while (current_pixel < pixel_count);
    std::fclose(file);
    return true;
}
