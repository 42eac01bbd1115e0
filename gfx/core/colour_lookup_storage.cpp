// The blitters' 16-bit expansion table, owned by the open screen.
#include "gfx/blit/colour_lookup.h"

uint32_t* gfx_colour_lookup = nullptr;
