// Page operations and the window title.
#pragma once

#include "gfx/core/types.h"
#include "qzgfx.h"
#include "rt/string.h"

// gfx_set_target, which redirects drawing into an image, is public (qzgfx.h).

// Whether an image may become the drawing target of a screen of depth; installed by the image
// layer when it makes its first image (null until then: every image is taken).
using ImageTargetCheck = bool (*)(const ImageBuffer* image, int depth);
extern ImageTargetCheck gfx_image_target_check;
