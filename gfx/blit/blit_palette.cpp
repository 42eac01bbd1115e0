// Paletted sources: one palette conversion per refresh, then a lookup per pixel.
#include "gfx/blit/blit_palette.h"

#include <cstring>

#include "gfx/core/context.h"

// Builds the display-pixel table from the palette and hands it to the row walk.
void blit_paletted_rows(uint8_t* dest, int32_t pitch, PaletteConvertFn convert, BlitRowFn row) {
    const GfxContext* ctx = gfx_context;
    if (!ctx || !ctx->palette) {
        return;
    }
    uint32_t display[PALETTE_TABLE_ENTRIES];
    uint8_t planes[4][256];
    for (int i = 0; i < 256; ++i) {
        display[i] = convert(ctx->palette[i]);
        for (int k = 0; k < 4; ++k) {
            planes[k][i] = static_cast<uint8_t>(display[i] >> (8 * k));
        }
    }
    std::memcpy(display + 256, planes, sizeof planes);
    blit_dirty_rows(dest, pitch, 1, row, display);
}
