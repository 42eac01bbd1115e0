// The pixel-format blitters: routines that convert the dirty rows of the visible page into a
// display's pixel format, the two tables they live in, and the rule that picks one.
#pragma once

#include <cstdint>

// Converts every dirty framebuffer row of the open screen into the display buffer whose row 0
// starts at `dest`, rows `pitch` bytes apart (the pitch may be negative).
using Blitter = void (*)(uint8_t* dest, int32_t pitch);

constexpr int BLITTER_TABLE_SIZE = 24;

// Index = 12 * (0 red-low, 1 red-high) + 4 * source class + destination class, where the source
// class is 0 paletted, 1 for 15/16-bit, 2 for 24/32-bit framebuffers and the destination class is
// 0, 1, 2, 3 for display depth 15, 16, 24, 32.
extern const Blitter BLITTER_TABLE[BLITTER_TABLE_SIZE];
extern const Blitter BLITTER_TABLE_MMX[BLITTER_TABLE_SIZE];

// Rebuilds gfx_colour_lookup for the channel order asked for and returns the blitter for the open
// screen's framebuffer on a display of `display_depth` bits, or null when there is none (or no
// screen is open).
Blitter select_blitter(int display_depth, int red_low);

// Fills a 512-entry table with the 16-bit expansion contributions for one channel order.
void build_colour_lookup(uint32_t* table, int red_low);

// A straight copy of each dirty row; serves every framebuffer shown in its own format.
void blit_copy(uint8_t* dest, int32_t pitch);

// Enlarges what a blitter wrote, given `dest` and `pitch` times `scale`, to scale x scale blocks
// of pixels of `bytes` bytes (1 to 4): each converted row of a marked framebuffer row lies at
// every scale-th row of `dest`, its first `width` pixels converted; it is widened in place and
// copied to the rows below. The buffer must hold width * scale pixels in each of height *
// scanline_size * scale rows. Scales below 2 change nothing.
void blit_scale_rows(uint8_t* dest, int32_t pitch, int bytes, int scale);

// Scalar members.
void blit_8_to_15(uint8_t* dest, int32_t pitch);
void blit_8_to_15_redlow(uint8_t* dest, int32_t pitch);
void blit_8_to_16(uint8_t* dest, int32_t pitch);
void blit_8_to_16_redlow(uint8_t* dest, int32_t pitch);
void blit_8_to_24(uint8_t* dest, int32_t pitch);
void blit_8_to_24_redlow(uint8_t* dest, int32_t pitch);
void blit_8_to_32(uint8_t* dest, int32_t pitch);
void blit_8_to_32_redlow(uint8_t* dest, int32_t pitch);
void blit_16_to_15(uint8_t* dest, int32_t pitch);
void blit_16_to_15_redlow(uint8_t* dest, int32_t pitch);
void blit_16_to_16_redlow(uint8_t* dest, int32_t pitch);
void blit_16_to_24(uint8_t* dest, int32_t pitch);
void blit_16_to_32(uint8_t* dest, int32_t pitch);
void blit_32_to_15(uint8_t* dest, int32_t pitch);
void blit_32_to_15_redlow(uint8_t* dest, int32_t pitch);
void blit_32_to_16(uint8_t* dest, int32_t pitch);
void blit_32_to_16_redlow(uint8_t* dest, int32_t pitch);
void blit_32_to_24(uint8_t* dest, int32_t pitch);
void blit_32_to_24_redlow(uint8_t* dest, int32_t pitch);
void blit_32_to_32_redlow(uint8_t* dest, int32_t pitch);

// Vector members: the same bytes as the scalar members, using the widest vector instructions the
// processor has (falling back to the scalar conversion where it has none).
void blit_8_to_15_mmx(uint8_t* dest, int32_t pitch);
void blit_8_to_15_redlow_mmx(uint8_t* dest, int32_t pitch);
void blit_8_to_16_mmx(uint8_t* dest, int32_t pitch);
void blit_8_to_16_redlow_mmx(uint8_t* dest, int32_t pitch);
void blit_8_to_24_mmx(uint8_t* dest, int32_t pitch);
void blit_8_to_24_redlow_mmx(uint8_t* dest, int32_t pitch);
void blit_8_to_32_mmx(uint8_t* dest, int32_t pitch);
void blit_8_to_32_redlow_mmx(uint8_t* dest, int32_t pitch);
void blit_16_to_15_mmx(uint8_t* dest, int32_t pitch);
void blit_16_to_15_redlow_mmx(uint8_t* dest, int32_t pitch);
void blit_16_to_16_redlow_mmx(uint8_t* dest, int32_t pitch);
void blit_16_to_24_mmx(uint8_t* dest, int32_t pitch);
void blit_16_to_32_mmx(uint8_t* dest, int32_t pitch);
void blit_32_to_15_mmx(uint8_t* dest, int32_t pitch);
void blit_32_to_15_redlow_mmx(uint8_t* dest, int32_t pitch);
void blit_32_to_16_mmx(uint8_t* dest, int32_t pitch);
void blit_32_to_16_redlow_mmx(uint8_t* dest, int32_t pitch);
void blit_32_to_24_mmx(uint8_t* dest, int32_t pitch);
void blit_32_to_24_redlow_mmx(uint8_t* dest, int32_t pitch);
void blit_32_to_32_redlow_mmx(uint8_t* dest, int32_t pitch);
