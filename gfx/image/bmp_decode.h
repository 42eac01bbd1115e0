// Windows bitmap decoding, behind the library's gfx_image_decode and image loader.
#pragma once

#include "qzgfx.h"

// Decodes a bitmap of 8 bits (uncompressed or RLE8), 24 bits or 32 bits (uncompressed, or with
// bit fields) into image: palette indices and the palette at 8 bits, R G B at 24, R G B A at 32.
// Rows come in file order from the header's pixel offset, each row's padding skipped; a negative
// height marks a top-down file. Rows past the end of the file stay zero, but the file must hold
// at least one whole stored row (for RLE8, one byte per 128 pixels). False, with image untouched,
// for anything else.
bool bmp_decode_file(const char* path, DecodedImage* image);
