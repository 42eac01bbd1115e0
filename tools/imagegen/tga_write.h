// Writes true-colour TGA files, uncompressed or run-length encoded, bottom row first.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// An image in memory: rows top to bottom, pixels R G B (A).
struct Image {
    int width;
    int height;
    int channels; // 3 or 4
    std::vector<uint8_t> pixels;
};

// Writes image to path as type 2 (rle false) or type 10 (rle true). False when the file cannot be
// written.
bool write_tga(const std::string& path, const Image& image, bool rle);
