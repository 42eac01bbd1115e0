// Choosing the blitter for the open screen and a display format.
#include "gfx/blit/blitter.h"
#include "gfx/blit/colour_lookup.h"
#include "gfx/core/context.h"

namespace {

// The destination class of a display depth: 0..3 for 15, 16, 24, 32; -1 for anything else.
int display_class(int display_depth) {
    switch (display_depth) {
    case 15:
        return 0;
    case 16:
        return 1;
    case 24:
        return 2;
    case 32:
        return 3;
    default:
        return -1;
    }
}

// The source class of a framebuffer depth: 0 paletted, 1 for 15/16, 2 for 24/32; -1 otherwise.
int source_class(int depth) {
    switch (depth) {
    case 1:
    case 2:
    case 4:
    case 8:
        return 0;
    case 15:
    case 16:
        return 1;
    case 24:
    case 32:
        return 2;
    default:
        return -1;
    }
}

} // namespace

// Rebuilds the expansion table for the order asked for, then picks the vector table only when
// the processor has MMX and rows are not doubled, the red-high half unless red-low is asked
// for, and the entry of the framebuffer and display depths. A paletted framebuffer on an 8-bit
// display is a plain copy; every other combination has no blitter.
Blitter select_blitter(int display_depth, int red_low) {
    const GfxContext* ctx = gfx_context;
    if (!ctx || !gfx_colour_lookup) {
        return nullptr;
    }
    build_colour_lookup(gfx_colour_lookup, red_low);
    const Blitter* table =
        (ctx->flags & CTX_HAS_MMX) && ctx->scanline_size == 1 ? BLITTER_TABLE_MMX : BLITTER_TABLE;
    if (!red_low) {
        table += 12;
    }
    const int source = source_class(ctx->depth);
    if (source == 0 && display_depth == 8) {
        return blit_copy;
    }
    const int dest = display_class(display_depth);
    if (source < 0 || dest < 0) {
        return nullptr;
    }
    return table[4 * source + dest];
}
