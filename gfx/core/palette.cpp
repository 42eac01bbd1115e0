// The palette of screens of depth 8 or less: default palettes, attribute maps and single entries.
#include "gfx/core/palette.h"

#include "gfx/core/builtin_data.h"
#include "gfx/core/context.h"
#include "gfx/core/pixel.h"
#include "rt/rt.h"

namespace {

struct AttributeMap {
    int count;
    uint8_t entries[16];
};

// The four maps of mode 1, chosen by the index argument -1, -2, -3 and -4 or lower.
constexpr AttributeMap MODE1_MAPS[4] = {
    {4, {0, 11, 13, 15}},
    {4, {0, 10, 12, 14}},
    {4, {0, 3, 5, 7}},
    {4, {0, 2, 4, 6}},
};
constexpr AttributeMap MODE2_MAP = {2, {0, 15}};
constexpr AttributeMap MODE7_MAP = {16, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}};
constexpr AttributeMap MODE9_MAP = {16, {0, 1, 2, 3, 4, 5, 20, 7, 56, 57, 58, 59, 60, 61, 62, 63}};

// The attribute map a mode shows when its default palette is restored, or null for none.
const AttributeMap* default_attribute_map(int mode, int index) {
    switch (static_cast<unsigned>(mode)) {
    case 1:
        return &MODE1_MAPS[index <= -4 ? 3 : -index - 1];
    case 2:
        return &MODE2_MAP;
    case 7:
    case 8:
        return &MODE7_MAP;
    case 9:
        return &MODE9_MAP;
    default:
        return nullptr;
    }
}

// Colour i of a built-in palette packed as 0x00BBGGRR.
uint32_t packed_colour(const PaletteInfo* palette, int i) {
    const uint8_t* rgb = palette->colours + 3 * i;
    return rgb[0] | static_cast<uint32_t>(rgb[1]) << 8 | static_cast<uint32_t>(rgb[2]) << 16;
}

// A 6-bit palette component widened to 8 bits.
int widen_6bit(uint32_t v) { return static_cast<int>((v & 0x3F) * 255 / 63); }

// Whether index names an entry the open screen's palette can hold.
bool index_is_valid(const GfxContext* ctx, int index) {
    const int limit = ctx->default_palette == &PALETTE_256 ? 1 << ctx->depth : 16;
    return index >= 0 && index < (1 << ctx->depth) && index < limit;
}

// Marks every framebuffer row as changed, so the display shows the new colours.
void mark_all_rows(GfxContext* ctx) {
    fast_fill(ctx->dirty_rows, 1, static_cast<size_t>(ctx->height));
}

// Restores the mode's default colour table, attribute map and palette.
void restore_default_palette(GfxContext* ctx, int index) {
    const PaletteInfo* defaults = ctx->default_palette;
    const AttributeMap* map = default_attribute_map(ctx->mode, index);
    const int shown = 1 << ctx->depth;
    for (int i = 0; i < defaults->count && i < 256; ++i) {
        ctx->colour_table[i] = packed_colour(defaults, i);
        if (i >= shown) {
            continue;
        }
        int source = i;
        if (map && i < map->count) {
            ctx->attribute_map[i] = map->entries[i];
            source = map->entries[i];
        }
        const uint8_t* rgb = defaults->colours + 3 * source;
        ctx->palette[i] = packed_colour(defaults, source);
        ctx->driver->set_palette(i, rgb[0], rgb[1], rgb[2]);
    }
}

} // namespace

// Sets one entry from a packed colour or from 8-bit red, green and blue, or restores the defaults.
void gfx_palette(int index, int colour, int green, int blue) {
    GfxContext* ctx = gfx_context;
    if (!ctx || ctx->depth > 8) {
        return;
    }
    if (index >= 0 && !index_is_valid(ctx, index)) {
        rt_set_error(RT_ERR_ILLEGAL_CALL);
        return;
    }
    GfxLockGuard lock(ctx);
    if (index >= 0) {
        uint32_t value = static_cast<uint32_t>(colour);
        if (green >= 0 && blue >= 0) {
            value = (static_cast<uint32_t>(colour) >> 2) |
                    (static_cast<uint32_t>(green) >> 2) << 8 |
                    (static_cast<uint32_t>(blue) >> 2) << 16;
        }
        gfx_palette_set_entry(index, value);
    } else {
        restore_default_palette(ctx, index);
    }
    mark_all_rows(ctx);
}

// Sets entries 0 .. 2^depth - 1 from values, skipping negative ones.
void gfx_palette_using(const int32_t* values) {
    GfxContext* ctx = gfx_context;
    if (!ctx || ctx->depth > 8) {
        return;
    }
    if (!values) {
        rt_set_error(RT_ERR_ILLEGAL_CALL);
        return;
    }
    GfxLockGuard lock(ctx);
    const int count = 1 << ctx->depth;
    for (int i = 0; i < count; ++i) {
        if (values[i] >= 0) {
            gfx_palette_set_entry(i, static_cast<uint32_t>(values[i]));
        }
    }
    mark_all_rows(ctx);
}

// Stores one entry, reading colour as 6-bit packed RGB on PALETTE_256 modes and as a colour
// table index elsewhere, and passes it to the driver.
void gfx_palette_set_entry(int index, uint32_t colour) {
    GfxContext* ctx = gfx_context;
    if (!ctx || ctx->depth > 8 || !index_is_valid(ctx, index)) {
        return;
    }
    int red = 0;
    int green = 0;
    int blue = 0;
    if (ctx->default_palette == &PALETTE_256) {
        red = widen_6bit(colour);
        green = widen_6bit(colour >> 8);
        blue = widen_6bit(colour >> 16);
    } else {
        const uint32_t k = colour & static_cast<uint32_t>(ctx->default_palette->count - 1);
        ctx->attribute_map[index] = static_cast<uint8_t>(k);
        const uint32_t c = ctx->colour_table[k];
        red = static_cast<int>(c & 0xFF);
        green = static_cast<int>((c >> 8) & 0xFF);
        blue = static_cast<int>((c >> 16) & 0xFF);
    }
    ctx->palette[index] = static_cast<uint32_t>(red) | static_cast<uint32_t>(green) << 8 |
                          static_cast<uint32_t>(blue) << 16;
    ctx->driver->set_palette(index, red, green, blue);
}

// Passes all 256 entries to the driver again; the caller holds whatever lock it needs. A
// context whose driver is not stored yet (a display thread can switch modes while set-mode is
// still choosing) has nothing to pass them to.
void gfx_palette_resend() {
    GfxContext* ctx = gfx_context;
    if (!ctx || !ctx->driver || !ctx->palette) {
        return;
    }
    for (int i = 0; i < 256; ++i) {
        const uint32_t c = ctx->palette[i];
        ctx->driver->set_palette(i, static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                                 static_cast<int>((c >> 16) & 0xFF));
    }
}
