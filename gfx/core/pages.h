// Page operations and the window title.
#pragma once

#include "gfx/core/types.h"
#include "qzgfx.h"
#include "rt/string.h"

// Makes image the drawing target, or the screen again with null. Returns image.
ImageBuffer* gfx_set_target(ImageBuffer* image);
