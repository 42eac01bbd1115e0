#include <cstring>

#include "demo/texture.h"

// Picks the reader by the name's last three characters, compared case-sensitively; any other
// ending reads nothing and fails.
bool read_texture_file(Texture& texture, const char* file_name) {
    const std::size_t length = std::strlen(file_name);
    const char* ext = length > 3 ? file_name + length - 3 : file_name;
    if (std::strcmp(ext, "tga") == 0) {
        return read_tga(texture, file_name);
    }
    if (std::strcmp(ext, "bmp") == 0) {
        return read_bmp(texture, file_name);
    }
    return false;
}
