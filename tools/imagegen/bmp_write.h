// Writes 24-bit uncompressed BMP files, bottom row first.
#pragma once

#include <string>

#include "tga_write.h"

// Writes a three-channel image to path. False when the file cannot be written.
bool write_bmp(const std::string& path, const Image& image);
