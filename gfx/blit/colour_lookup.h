// The 512-entry expansion table for 16-bit framebuffers, filled by select_blitter.
#pragma once

#include <cstdint>

constexpr int COLOUR_LOOKUP_ENTRIES = 512; // 2048 bytes

// Allocated by the mode set, freed when the screen closes; null while no screen is open.
extern uint32_t* gfx_colour_lookup;
