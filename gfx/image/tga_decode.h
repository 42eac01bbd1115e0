// Truevision TGA decoding, behind the library's gfx_image_decode and image loader.
#pragma once

#include "qzgfx.h"

// Decodes a true-colour TGA file of type 2 or 10 with 24 or 32 bits, skipping an image ID and a
// colour map, into R G B (A) pixels in the order the file stores them; the image descriptor's
// origin bits are reported, not applied. Bytes past the end of the file leave zeros; a run-length
// packet that runs past the last pixel, or a size the file cannot hold, fails. False, with image
// untouched, for anything else.
bool tga_decode_file(const char* path, DecodedImage* image);
