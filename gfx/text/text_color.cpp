// Text colours, read by the screen's mode: palette choices on the oldest modes, native colours
// everywhere else.
#include "gfx/core/context.h"
#include "gfx/core/palette.h"
#include "gfx/text/text.h"

namespace {

// A colour argument as the screen's native value: 0x00RRGGBB packed to 5-6-5 on 16-bit
// screens, unchanged on 32-bit ones, masked to the depth on paletted ones.
uint32_t native_text_colour(const GfxContext* ctx, int value) {
    const auto v = static_cast<uint32_t>(value);
    if (ctx->depth > 8) {
        return gfx_rgb_to_16bit(v, (v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    }
    return v & ctx->colour_mask;
}

} // namespace

// Sets the text colours (-1 keeps one; on modes 1, 7, 8 and 9 any negative value does) and
// returns the previous foreground in the low half and background in the high half.
int gfx_text_color(int fg, int bg) {
    GfxContext* ctx = gfx_context;
    if (!ctx) {
        return 0;
    }
    const int previous = static_cast<int>(ctx->fg_colour | (ctx->bg_colour << 16));
    switch (ctx->mode) {
    case 1:
        if (bg >= 0) {
            gfx_palette(static_cast<int>(static_cast<uint32_t>(bg) | 0xFFFFFFFCu), 0, 0, 0);
        }
        if (fg >= 0) {
            gfx_palette(0, fg, -1, -1);
        }
        break;
    case 7:
    case 8:
    case 9:
        if (fg >= 0) {
            ctx->fg_colour = static_cast<uint32_t>(fg) & 15;
        }
        if (bg >= 0) {
            gfx_palette(0, bg, -1, -1);
        }
        break;
    default:
        if (fg != -1) {
            ctx->fg_colour = native_text_colour(ctx, fg);
        }
        if (bg != -1) {
            ctx->bg_colour = native_text_colour(ctx, bg);
        }
        break;
    }
    return previous;
}
