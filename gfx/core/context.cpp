// The library-wide pointer to the open screen's context.
#include "gfx/core/context.h"

GfxContext* gfx_context = nullptr;
