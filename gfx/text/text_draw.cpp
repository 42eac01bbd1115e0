// Drawing characters into the drawing target: whole glyph rows copied from glyphs drawn once in
// the current colours where the cells lie inside the target, one put_pixel per glyph bit where
// they do not.
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "gfx/core/context.h"
#include "gfx/core/pixel.h"
#include "gfx/text/text.h"

namespace {

constexpr int GLYPH_WIDTH = 8;

constexpr int MAX_GLYPH_HEIGHT = 16;
constexpr int MAX_PIXEL_BYTES = 4;

// The glyphs of one font already drawn in one pair of colours at one pixel size, each a block of
// height rows of 8 pixels, drawn when first asked for. Printing then copies whole glyph rows.
struct GlyphCache {
    const FontInfo* font = nullptr;
    uint32_t fg = 0;
    uint32_t bg = 0;
    int bytes_per_pixel = 0;
    bool ready[256] = {};
    alignas(32) uint8_t pixels[256][MAX_GLYPH_HEIGHT * GLYPH_WIDTH * MAX_PIXEL_BYTES] = {};
};

GlyphCache glyph_cache;

// Forgets the drawn glyphs when the font, a colour or the pixel size differs from theirs.
void match_cache(const GfxContext* ctx) {
    GlyphCache& c = glyph_cache;
    if (c.font != ctx->font || c.fg != ctx->fg_colour || c.bg != ctx->bg_colour ||
        c.bytes_per_pixel != ctx->bytes_per_pixel) {
        c.font = ctx->font;
        c.fg = ctx->fg_colour;
        c.bg = ctx->bg_colour;
        c.bytes_per_pixel = ctx->bytes_per_pixel;
        std::memset(c.ready, 0, sizeof c.ready);
    }
}

// The cached block of glyph code in pixels of type T, drawn now if it was not yet.
template <typename T>
const uint8_t* cached_glyph(uint8_t code) {
    GlyphCache& c = glyph_cache;
    uint8_t* block = c.pixels[code];
    if (!c.ready[code]) {
        const T fg = static_cast<T>(c.fg);
        const T bg = static_cast<T>(c.bg);
        T* out = reinterpret_cast<T*>(block);
        for (int r = 0; r < c.font->height; ++r) {
            const uint8_t bits = c.font->glyphs[code * c.font->height + r];
            for (int b = 0; b < GLYPH_WIDTH; ++b) {
                out[r * GLYPH_WIDTH + b] = ((bits >> b) & 1) ? fg : bg;
            }
        }
        c.ready[code] = true;
    }
    return block;
}

// Draws count glyphs of an 8-pixel-wide font H rows high from dest on, rows stride bytes
// apart: each glyph row is one copy from the glyph cache. Glyphs go one at a time down their
// rows; on 8-bit screens two glyphs share one 16-byte store where the processor has SSE2.
template <typename T, int H>
void copy_glyphs(uint8_t* dest, size_t stride, const uint8_t* bytes, int count) {
    constexpr size_t ROW_BYTES = sizeof(T) * GLYPH_WIDTH;
    int i = 0;
#if defined(__SSE2__)
    if constexpr (sizeof(T) == 1) {
        for (; i + 1 < count; i += 2) {
            const uint8_t* a = cached_glyph<T>(bytes[i]);
            const uint8_t* b = cached_glyph<T>(bytes[i + 1]);
            uint8_t* d = dest + static_cast<size_t>(i) * ROW_BYTES;
            for (int r = 0; r < H; ++r) {
                const __m128i left = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(a + r * ROW_BYTES));
                const __m128i right = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(b + r * ROW_BYTES));
                _mm_storeu_si128(reinterpret_cast<__m128i*>(d + r * stride), _mm_unpacklo_epi64(left, right));
            }
        }
    }
#endif
    for (; i < count; ++i) {
        const uint8_t* glyph = cached_glyph<T>(bytes[i]);
        uint8_t* d = dest + static_cast<size_t>(i) * ROW_BYTES;
        for (int r = 0; r < H; ++r) {
            std::memcpy(d + r * stride, glyph + r * ROW_BYTES, ROW_BYTES);
        }
    }
}

// Draws count glyphs into the target's rows, every cell lying inside the target and the rows
// evenly spaced (as on the screen and in images), with the glyph height fixed at compile time
// for the built-in heights. Returns false, drawing nothing, for any other layout.
template <typename T>
bool draw_glyphs_fast(const GfxContext* ctx, int px, int py, const uint8_t* bytes, int count) {
    const int h = ctx->font->height;
    uint8_t* dest = ctx->rows[py] + static_cast<size_t>(px) * sizeof(T);
    const size_t stride = static_cast<size_t>(ctx->target_pitch);
    if (ctx->rows[py + h - 1] != ctx->rows[py] + static_cast<size_t>(h - 1) * stride) {
        return false;
    }
    match_cache(ctx);
    switch (h) {
    case 8:
        copy_glyphs<T, 8>(dest, stride, bytes, count);
        return true;
    case 14:
        copy_glyphs<T, 14>(dest, stride, bytes, count);
        return true;
    case 16:
        copy_glyphs<T, 16>(dest, stride, bytes, count);
        return true;
    default:
        return false;
    }
}

// Draws count glyphs with one put_pixel per bit, which clips to the target.
void draw_glyphs_per_bit(const GfxContext* ctx, int px, int py, const uint8_t* bytes, int count) {
    const FontInfo* font = ctx->font;
    for (int i = 0; i < count; ++i) {
        const uint8_t* glyph = font->glyphs + bytes[i] * font->height;
        for (int r = 0; r < font->height; ++r) {
            for (int b = 0; b < font->width; ++b) {
                const bool set = b < 8 && ((glyph[r] >> b) & 1);
                put_pixel(px + i * font->width + b, py + r, set ? ctx->fg_colour : ctx->bg_colour);
            }
        }
    }
}

// Whether the pixel block of count cells at (px, py) lies wholly inside the drawing target.
bool block_inside_target(const GfxContext* ctx, int px, int py, int count) {
    const int rows = ctx->target ? ctx->target->height : ctx->height;
    const int columns = ctx->target_pitch / ctx->bytes_per_pixel;
    const int h = ctx->font->height;
    return px >= 0 && py >= 0 && py + h <= rows && py + h <= ctx->rows_capacity &&
           px + count * ctx->font->width <= columns;
}

} // namespace

// Adds pixel rows first .. end - 1 to the window's dirty range (0, 0 is empty).
void gfx_text_window_dirty(TextWindow* window, int first, int end) {
    if (first >= end) {
        return;
    }
    if (window->dirty_first == window->dirty_end) {
        window->dirty_first = first;
        window->dirty_end = end;
        return;
    }
    if (first < window->dirty_first) {
        window->dirty_first = first;
    }
    if (end > window->dirty_end) {
        window->dirty_end = end;
    }
}

// Draws count characters at the window's cursor in the current colours and records them, with
// those colours, in the work page's text cells.
int gfx_text_draw_chars(TextWindow* window, const uint8_t* bytes, int count) {
    GfxContext* ctx = gfx_context;
    if (!ctx || !ctx->font || count <= 0) {
        return 0;
    }
    const int w = ctx->font->width;
    const int h = ctx->font->height;
    const int px = window->x * w;
    const int py = window->y * h;
    bool drawn = false;
    if (w == GLYPH_WIDTH && block_inside_target(ctx, px, py, count)) {
        switch (ctx->bytes_per_pixel) {
        case 1:
            drawn = draw_glyphs_fast<uint8_t>(ctx, px, py, bytes, count);
            break;
        case 2:
            drawn = draw_glyphs_fast<uint16_t>(ctx, px, py, bytes, count);
            break;
        default:
            drawn = draw_glyphs_fast<uint32_t>(ctx, px, py, bytes, count);
            break;
        }
    }
    if (!drawn) {
        draw_glyphs_per_bit(ctx, px, py, bytes, count);
    }
    gfx_text_window_dirty(window, py, py + h);

    if (ctx->text_pages && window->y >= 0 && window->y < ctx->text_h) {
        TextCell* row = ctx->text_pages[ctx->work_page] +
                        static_cast<size_t>(window->y) * static_cast<size_t>(ctx->text_w);
        for (int i = 0; i < count; ++i) {
            const int x = window->x + i;
            if (x >= 0 && x < ctx->text_w) {
                row[x] = TextCell{bytes[i], ctx->fg_colour, ctx->bg_colour};
            }
        }
    }
    return 0;
}
