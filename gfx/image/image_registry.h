// The images the library made, so that a foreign or stale pointer is refused before it is read.
#pragma once

#include <cstdint>

#include "gfx/core/types.h"

// What the library recorded about one image it made.
struct ImageRecord {
    const ImageBuffer* image;
    int width;
    int height;
    int depth; // 1, 2, 4, 8, 16 or 32
};

// Records a new image; false when the registry cannot grow.
bool image_register(const ImageRecord& record);

// Forgets an image (before it is released).
void image_unregister(const ImageBuffer* image);

// The record of image when the library made it and its two size fields still say what they did;
// null for null, foreign or destroyed images and for changed size fields. The pointer itself is
// only compared, never read, until it is known to be one of the library's.
const ImageRecord* image_lookup(const ImageBuffer* image);

// The bytes per pixel of a depth.
inline int image_bytes_per_pixel(int depth) { return depth <= 8 ? 1 : depth / 8; }

// Whether a drawing target holds pixels of depth: the screen (null), an image the library made at
// that depth, or a buffer it does not know (a program may make any buffer the target).
inline bool image_target_matches(const ImageBuffer* target, int depth) {
    const ImageRecord* record = image_lookup(target);
    return !record || record->depth == depth;
}
