// The palette of screens of depth 8 or less, and true-colour conversion.
#pragma once

#include <cstdint>

#include "qzgfx.h"

// Stores one entry and passes it to the driver; the caller holds the lock.
void gfx_palette_set_entry(int index, uint32_t colour);

// Passes all 256 palette entries to the driver again (after the display was rebuilt). Does
// nothing while set-mode has not yet stored the driver: it loads the palette itself then.
void gfx_palette_resend();

// A 5-6-5 value when the screen has 2 bytes per pixel, else colour unchanged.
uint32_t gfx_rgb_to_16bit(uint32_t colour, uint32_t red, uint32_t green, uint32_t blue);
