// Allocating images in the ImageBuffer layout and recording them in the registry.
#pragma once

#include "gfx/core/types.h"

// The largest image: the width field holds width * 8 in 16 signed bits.
constexpr int IMAGE_MAX_WIDTH = 4095;
constexpr int IMAGE_MAX_HEIGHT = 32767;

// A new registered image of width x height pixels at depth 1, 2, 4, 8, 15, 16, 24 or 32 (15 and
// 24 become 16 and 32), its pixels not yet set; null for another size or depth, or without memory.
ImageBuffer* image_alloc(int width, int height, int depth);

// Forgets and frees a registered image.
void image_free(ImageBuffer* image);
