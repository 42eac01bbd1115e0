// Page operations and the window title.
#pragma once

#include "gfx/core/types.h"
#include "qzgfx.h"
#include "rt/string.h"

// gfx_set_target, which redirects drawing into an image, is public (qzgfx.h).
