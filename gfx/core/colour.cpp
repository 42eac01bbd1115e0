// True colours converted to the open screen's pixel format.
#include "gfx/core/context.h"
#include "gfx/core/palette.h"

// Packs red, green, blue as 5-6-5 on a 2-byte-per-pixel screen; elsewhere keeps colour.
uint32_t gfx_rgb_to_16bit(uint32_t colour, uint32_t red, uint32_t green, uint32_t blue) {
    const GfxContext* ctx = gfx_context;
    if (!ctx || ctx->bytes_per_pixel != 2) {
        return colour;
    }
    return (blue >> 3) | ((green << 3) & 0x7E0) | ((red << 8) & 0xF800);
}

// A 0x00RRGGBB colour as the screen's pixel value: 5-6-5, unchanged, or masked to the depth.
uint32_t gfx_colour_to_native(uint32_t colour) {
    const GfxContext* ctx = gfx_context;
    if (!ctx) {
        return colour;
    }
    return gfx_rgb_to_16bit(colour, (colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF) &
           ctx->colour_mask;
}
