// The palette of screens of depth 8 or less, and true-colour conversion.
#pragma once

#include <cstdint>

// Sets one entry (index >= 0) or restores the mode's default palette (index < 0).
// green and blue are -1 when not given.
void gfx_palette(int index, int colour, int green, int blue);

// Sets entries 0 .. 2^depth - 1 from values; a negative value leaves its entry alone.
void gfx_palette_using(const int32_t* values);

// Stores one entry and passes it to the driver; the caller holds the lock.
void gfx_palette_set_entry(int index, uint32_t colour);

// Passes all 256 palette entries to the driver again (after the display was rebuilt). Does
// nothing while set-mode has not yet stored the driver: it loads the palette itself then.
void gfx_palette_resend();

// A 5-6-5 value when the screen has 2 bytes per pixel, else colour unchanged.
uint32_t gfx_rgb_to_16bit(uint32_t colour, uint32_t red, uint32_t green, uint32_t blue);

// A true colour 0x00RRGGBB as the screen's own pixel value.
uint32_t gfx_colour_to_native(uint32_t colour);
