// Paletted sources: the walk that first turns the palette into display pixels.
#pragma once

#include <cstdint>

#include "gfx/blit/blit_rows.h"

// Turns one palette entry (0x00BBGGRR) into a display pixel.
using PaletteConvertFn = uint32_t (*)(uint32_t entry);

// Converts the open screen's 256 palette entries with `convert` into a table of display pixels
// and walks the dirty rows with `row`, which looks each index up in that table. Does nothing
// without an open screen or a palette.
void blit_paletted_rows(uint8_t* dest, int32_t pitch, PaletteConvertFn convert, BlitRowFn row);
