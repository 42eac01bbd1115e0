// Images turned into OpenGL textures: the TGA and BMP readers and the upload.
//
// The readers only decode into memory, so they build and run everywhere; load_texture adds the
// OpenGL upload and lives in the Windows-only part of the demo.
#pragma once

#include <cstdint>
#include <cstdio>

// One loaded image as an OpenGL texture.
struct Texture {
    uint32_t id;     // OpenGL texture name
    int32_t width;   // pixels
    int32_t height;  // pixels
    uint8_t* pixels; // width * height pixels of bpp / 8 bytes, R G B (A), rows in file order
    int32_t bpp;     // 24 or 32
    uint32_t format; // TEXTURE_FORMAT_RGB or TEXTURE_FORMAT_RGBA
};

// Flags of load_texture.
constexpr int TEXTURE_MIPMAPS = 2; // build a full mipmap chain
constexpr int TEXTURE_NEAREST = 4; // nearest-texel filtering instead of linear

// The OpenGL pixel formats a reader produces (GL_RGB and GL_RGBA).
constexpr uint32_t TEXTURE_FORMAT_RGB = 0x1907;
constexpr uint32_t TEXTURE_FORMAT_RGBA = 0x1908;

// The 12-byte TGA header prefixes that are accepted: true colour, uncompressed or run-length encoded.
constexpr uint8_t TGA_HEADER_UNCOMPRESSED[12] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
constexpr uint8_t TGA_HEADER_RLE[12] = {0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0};

// The line written for an image that cannot be loaded, followed directly by its file name.
constexpr const char* TEXTURE_ERROR_PREFIX = "Error: Loading texture... ";

// Loads file_name into a new texture object. Returns 0 when a texture was made, 1 when not.
int load_texture(const char* file_name, Texture& texture, int flags, int keep_pixels);

// Decodes file_name with the reader its extension names ("tga" or "bmp", case-sensitive).
bool read_texture_file(Texture& texture, const char* file_name);

// Decodes a TGA file (types 2 and 10, 24 or 32 bits) into texture.
bool read_tga(Texture& texture, const char* file_name);

// The two TGA bodies, read after the 12-byte prefix of the file read_tga opened; each closes file
// before it returns.
bool read_tga_uncompressed(Texture& texture, std::FILE* file);
bool read_tga_rle(Texture& texture, std::FILE* file);

// Decodes a BMP file (8-bit paletted or 24-bit) into an RGB texture.
bool read_bmp(Texture& texture, const char* file_name);

// Writes text and a CR LF line end to standard output.
void write_console_line(const char* text);
