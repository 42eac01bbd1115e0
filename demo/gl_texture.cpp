#include <windows.h>

#include <GL/gl.h>
#include <GL/glu.h>

#include <cstdlib>
#include <string>

#include "demo/texture.h"

namespace {

// Uploads the decoded pixels into the bound texture, packed rows of any width, with or without
// a mipmap chain; returns the minifying filter that suits the upload.
GLint upload_pixels(const Texture& texture, int flags, GLint mag) {
    GLint previous_alignment = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &previous_alignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    GLint min = mag;
    if (flags & TEXTURE_MIPMAPS) {
        gluBuild2DMipmaps(GL_TEXTURE_2D, texture.bpp / 8, texture.width, texture.height,
                          texture.format, GL_UNSIGNED_BYTE, texture.pixels);
        min = (flags & TEXTURE_NEAREST) ? GL_NEAREST_MIPMAP_NEAREST : GL_LINEAR_MIPMAP_LINEAR;
    } else {
        glTexImage2D(GL_TEXTURE_2D, 0, texture.bpp / 8, texture.width, texture.height, 0,
                     texture.format, GL_UNSIGNED_BYTE, texture.pixels);
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, previous_alignment);
    return min;
}

} // namespace

// Decodes the file, makes a texture object from it and leaves it bound; on failure writes the
// error line and makes nothing.
int load_texture(const char* file_name, Texture& texture, int flags, int keep_pixels) {
    if (!read_texture_file(texture, file_name)) {
        write_console_line((std::string(TEXTURE_ERROR_PREFIX) + file_name).c_str());
        return 1;
    }
    glGenTextures(1, &texture.id);
    glBindTexture(GL_TEXTURE_2D, texture.id);
    const GLint mag = (flags & TEXTURE_NEAREST) ? GL_NEAREST : GL_LINEAR;
    const GLint min = upload_pixels(texture, flags, mag);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, min);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, mag);
    if (keep_pixels == 0) {
        std::free(texture.pixels);
        texture.pixels = nullptr;
    }
    return 0;
}
