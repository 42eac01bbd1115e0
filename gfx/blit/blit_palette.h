// Paletted sources: the walk that first turns the palette into display pixels.
#pragma once

#include <cstdint>

#include "gfx/blit/blit_rows.h"

// Turns one palette entry (0x00BBGGRR) into a display pixel.
using PaletteConvertFn = uint32_t (*)(uint32_t entry);

// Entries of the table handed to paletted rows: 256 display pixels, then the same pixels split
// into four planes of 256 bytes (plane k holds byte k of each pixel), for byte-lookup code.
constexpr int PALETTE_TABLE_ENTRIES = 512;

// Converts the open screen's 256 palette entries with `convert` into a table of display pixels
// (laid out as above) and walks the dirty rows with `row`, which looks each index up in that
// table. Does nothing without an open screen or a palette.
void blit_paletted_rows(uint8_t* dest, int32_t pitch, PaletteConvertFn convert, BlitRowFn row);
