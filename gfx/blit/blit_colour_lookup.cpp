// The 16-bit expansion table: the contribution of each low byte and each high byte of a pixel.
#include "gfx/blit/blitter.h"
#include "gfx/blit/colour_lookup.h"

// Entry i is the part of the 32-bit result that the low byte i gives (blue and the low three
// green bits), entry 256 + j the part that the high byte j gives (red and the high green bits).
void build_colour_lookup(uint32_t* table, int red_low) {
    for (uint32_t i = 0; i < 256; ++i) {
        const uint32_t blue = i & 0x1F;
        const uint32_t green_low = i >> 5;
        const uint32_t red = i >> 3;
        const uint32_t green_high = i & 7;
        if (red_low) {
            table[i] = blue << 19 | green_low << 10;
            table[256 + i] = green_high << 13 | red << 3;
        } else {
            table[i] = blue << 3 | green_low << 10;
            table[256 + i] = green_high << 13 | red << 19;
        }
    }
}
