// The two constant blitter tables, scalar and vector, in the order select_blitter indexes them.
#include "gfx/blit/blitter.h"

const Blitter BLITTER_TABLE[BLITTER_TABLE_SIZE] = {
    blit_8_to_15_redlow,  blit_8_to_16_redlow,  blit_8_to_24_redlow,
    blit_8_to_32_redlow,  blit_16_to_15_redlow, blit_16_to_16_redlow,
    blit_16_to_24,        blit_16_to_32,        blit_32_to_15_redlow,
    blit_32_to_16_redlow, blit_32_to_24_redlow, blit_32_to_32_redlow,
    blit_8_to_15,         blit_8_to_16,         blit_8_to_24,
    blit_8_to_32,         blit_16_to_15,        blit_copy,
    blit_16_to_24,        blit_16_to_32,        blit_32_to_15,
    blit_32_to_16,        blit_32_to_24,        blit_copy,
};

const Blitter BLITTER_TABLE_MMX[BLITTER_TABLE_SIZE] = {
    blit_8_to_15_redlow_mmx,  blit_8_to_16_redlow_mmx,  blit_8_to_24_redlow_mmx,
    blit_8_to_32_redlow_mmx,  blit_16_to_15_redlow_mmx, blit_16_to_16_redlow_mmx,
    blit_16_to_24_mmx,        blit_16_to_32_mmx,        blit_32_to_15_redlow_mmx,
    blit_32_to_16_redlow_mmx, blit_32_to_24_redlow_mmx, blit_32_to_32_redlow_mmx,
    blit_8_to_15_mmx,         blit_8_to_16_mmx,         blit_8_to_24_mmx,
    blit_8_to_32_mmx,         blit_16_to_15_mmx,        blit_copy,
    blit_16_to_24_mmx,        blit_16_to_32_mmx,        blit_32_to_15_mmx,
    blit_32_to_16_mmx,        blit_32_to_24_mmx,        blit_copy,
};
