// The colour registers and the retrace status of the old display adapters, as emulated ports.
#include "gfx/core/builtin_data.h"
#include "gfx/core/context.h"
#include "gfx/core/palette.h"
#include "gfx/core/pixel.h"
#include "gfx/text/text.h"

namespace {

constexpr uint16_t PORT_DAC_READ_INDEX = 0x3C7;
constexpr uint16_t PORT_DAC_WRITE_INDEX = 0x3C8;
constexpr uint16_t PORT_DAC_DATA = 0x3C9;
constexpr uint16_t PORT_INPUT_STATUS = 0x3DA;
constexpr int RETRACE_BIT = 8;
constexpr int FIRST_SHIFT = 2; // red
constexpr int LAST_SHIFT = 18; // blue

// The colour registers' state; it lives on across screens, as the adapter's did, and the index
// is masked to the open screen's palette whenever it is used.
int port_dac_index = 0;
uint32_t port_dac_value = 0;
int port_dac_shift = FIRST_SHIFT;

// The index mask of the screen's default palette.
int index_mask(const GfxContext* ctx) { return ctx->default_palette->count - 1; }

// Stores a colour written through the ports on a screen whose pixel values map through
// attributes: the colour table entry and every pixel value mapped to it change, and the whole
// screen is shown again.
void set_mapped_colour(GfxContext* ctx, int index, uint32_t colour) {
    GfxLockGuard lock(ctx);
    ctx->colour_table[index] = colour;
    const int values = ctx->depth < 4 ? 1 << ctx->depth : 16;
    for (int i = 0; i < values; ++i) {
        if (ctx->attribute_map[i] == index) {
            ctx->palette[i] = colour;
            ctx->driver->set_palette(i, static_cast<int>(colour & 0xFF),
                                     static_cast<int>((colour >> 8) & 0xFF),
                                     static_cast<int>((colour >> 16) & 0xFF));
        }
    }
    fast_fill(ctx->dirty_rows, 1, static_cast<size_t>(ctx->height));
}

} // namespace

// Reads the colour-data port (one component of the current entry per read, red, green, blue,
// then the next entry) or the input status port (waits for the retrace, answers its bit).
int gfx_port_in(uint16_t port) {
    GfxContext* ctx = gfx_context;
    if (!ctx) {
        return -1;
    }
    if (port == PORT_DAC_DATA) {
        if (ctx->depth > 8) {
            return -1;
        }
        const int index = port_dac_index & index_mask(ctx);
        const int value = static_cast<int>((ctx->palette[index] >> port_dac_shift) & 0x3F);
        port_dac_shift += 8;
        if (port_dac_shift > LAST_SHIFT) {
            port_dac_shift = FIRST_SHIFT;
            port_dac_index = (index + 1) & index_mask(ctx);
        }
        return value;
    }
    if (port == PORT_INPUT_STATUS) {
        if (ctx->driver->wait_vsync) {
            ctx->driver->wait_vsync();
        }
        return RETRACE_BIT;
    }
    return -1;
}

// Writes an index port (which entry comes next) or the colour-data port (6-bit components, red,
// green, blue; the third one sets the entry and moves to the next). Other ports answer -1.
int gfx_port_out(uint16_t port, uint8_t value) {
    GfxContext* ctx = gfx_context;
    if (!ctx || ctx->depth > 8) {
        return -1;
    }
    if (port == PORT_DAC_READ_INDEX || port == PORT_DAC_WRITE_INDEX) {
        port_dac_value = 0;
        port_dac_index = value & index_mask(ctx);
        port_dac_shift = FIRST_SHIFT;
        return 0;
    }
    if (port != PORT_DAC_DATA) {
        return -1;
    }
    port_dac_value |= static_cast<uint32_t>(value & 0x3F) << port_dac_shift;
    port_dac_shift += 8;
    if (port_dac_shift <= LAST_SHIFT) {
        return 0;
    }
    port_dac_index &= index_mask(ctx); // an index set on an earlier, larger palette
    if (ctx->default_palette == &PALETTE_256) {
        gfx_palette(port_dac_index, static_cast<int>((port_dac_value >> 2) & 0x3F3F3F), -1, -1);
    } else {
        set_mapped_colour(ctx, port_dac_index, port_dac_value);
    }
    port_dac_value = 0;
    port_dac_shift = FIRST_SHIFT;
    port_dac_index = (port_dac_index + 1) & index_mask(ctx);
    return 0;
}
