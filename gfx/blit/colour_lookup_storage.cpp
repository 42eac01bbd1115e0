// The blitters' 16-bit expansion table, owned by the open screen.
#include "gfx/blit/colour_lookup.h"
#include "gfx/core/screen_tables.h"

uint32_t* gfx_colour_lookup = nullptr;

const ScreenTable SCREEN_TABLES[] = {
    {&gfx_colour_lookup, COLOUR_LOOKUP_ENTRIES},
    {nullptr, 0},
};
