// Drawing characters into the drawing target: glyphs drawn once in the current colours and then
// copied whole where the cells lie inside the target, one put_pixel per glyph bit where they do
// not.
#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "gfx/core/context.h"
#include "gfx/core/pixel.h"
#include "gfx/text/glyph_copy.h"
#include "gfx/text/text.h"

namespace {

constexpr int GLYPH_WIDTH = 8;

constexpr int MAX_GLYPH_HEIGHT = 16;
constexpr int MAX_PIXEL_BYTES = 4;

// The glyphs of one font already drawn in one pair of colours at one pixel size, each a block of
// height rows of 8 pixels, drawn when first asked for. Printing then copies whole glyph rows.
// The blocks lie back to back, block_bytes apart, so that the glyphs of a line of text share few
// cache lines.
struct GlyphCache {
    const FontInfo* font = nullptr;
    uint32_t fg = 0;
    uint32_t bg = 0;
    int bytes_per_pixel = 0;
    size_t block_bytes = 0;
    bool ready[256] = {};
    alignas(32) uint8_t pixels[256 * MAX_GLYPH_HEIGHT * GLYPH_WIDTH * MAX_PIXEL_BYTES] = {};
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
        c.block_bytes = static_cast<size_t>(ctx->font->height) * GLYPH_WIDTH *
                        static_cast<size_t>(c.bytes_per_pixel);
        std::memset(c.ready, 0, sizeof c.ready);
    }
}

// Draws glyph code into its cache block in pixels of type T.
template <typename T>
void draw_cached_glyph(uint8_t code) {
    GlyphCache& c = glyph_cache;
    const T fg = static_cast<T>(c.fg);
    const T bg = static_cast<T>(c.bg);
    T* out = reinterpret_cast<T*>(c.pixels + code * c.block_bytes);
    for (int r = 0; r < c.font->height; ++r) {
        const uint8_t bits = c.font->glyphs[code * c.font->height + r];
        for (int b = 0; b < GLYPH_WIDTH; ++b) {
            out[r * GLYPH_WIDTH + b] = ((bits >> b) & 1) ? fg : bg;
        }
    }
    c.ready[code] = true;
}

// Draws count glyphs into the target's rows, every cell lying inside the target and the rows
// evenly spaced (as on the screen and in images), copying them from the cache once each of them
// is there. Returns false, drawing nothing, for any other layout or a height without a copy.
template <typename T>
bool draw_glyphs_fast(const GfxContext* ctx, int px, int py, const uint8_t* bytes, int count) {
    const int h = ctx->font->height;
    uint8_t* dest = ctx->rows[py] + static_cast<size_t>(px) * sizeof(T);
    const size_t stride = static_cast<size_t>(ctx->target_pitch);
    if (h > MAX_GLYPH_HEIGHT ||
        ctx->rows[py + h - 1] != ctx->rows[py] + static_cast<size_t>(h - 1) * stride) {
        return false;
    }
    match_cache(ctx);
    for (int i = 0; i < count; ++i) {
        if (!glyph_cache.ready[bytes[i]]) {
            draw_cached_glyph<T>(bytes[i]);
        }
    }
    return glyph_copy(dest, stride, GlyphBlocks{glyph_cache.pixels, glyph_cache.block_bytes}, bytes,
                      count, h, sizeof(T));
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

// Writes count cells of the given characters, all in the colours fg on bg. Where the processor
// has SSE2, four cells (48 bytes) take three 16-byte stores.
void record_cells(TextCell* cells, const uint8_t* bytes, int count, uint32_t fg, uint32_t bg) {
    static_assert(sizeof(TextCell) == 12, "four cells are three 16-byte stores");
    int i = 0;
#if defined(__SSE2__)
    const int fgi = static_cast<int>(fg);
    const int bgi = static_cast<int>(bg);
    const __m128i colours0 = _mm_setr_epi32(0, fgi, bgi, 0);
    const __m128i colours1 = _mm_setr_epi32(fgi, bgi, 0, fgi);
    const __m128i colours2 = _mm_setr_epi32(bgi, 0, fgi, bgi);
    const __m128i code_lanes0 = _mm_setr_epi32(-1, 0, 0, -1);
    const __m128i code_lanes1 = _mm_setr_epi32(0, 0, -1, 0);
    const __m128i code_lanes2 = _mm_setr_epi32(0, -1, 0, 0);
    const __m128i zero = _mm_setzero_si128();
    for (; i + 3 < count; i += 4) {
        int four = 0;
        std::memcpy(&four, bytes + i, sizeof four);
        const __m128i codes =
            _mm_unpacklo_epi16(_mm_unpacklo_epi8(_mm_cvtsi32_si128(four), zero), zero);
        const __m128i c0 = _mm_shuffle_epi32(codes, _MM_SHUFFLE(1, 0, 0, 0));
        const __m128i c1 = _mm_shuffle_epi32(codes, _MM_SHUFFLE(2, 2, 2, 2));
        const __m128i c2 = _mm_shuffle_epi32(codes, _MM_SHUFFLE(3, 3, 3, 3));
        auto* out = reinterpret_cast<__m128i*>(cells + i);
        _mm_storeu_si128(out, _mm_or_si128(colours0, _mm_and_si128(c0, code_lanes0)));
        _mm_storeu_si128(out + 1, _mm_or_si128(colours1, _mm_and_si128(c1, code_lanes1)));
        _mm_storeu_si128(out + 2, _mm_or_si128(colours2, _mm_and_si128(c2, code_lanes2)));
    }
#endif
    for (; i < count; ++i) {
        cells[i] = TextCell{bytes[i], fg, bg};
    }
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
        const int first = std::max(0, -window->x);
        const int end = std::min(count, ctx->text_w - window->x);
        if (first < end) {
            record_cells(row + window->x + first, bytes + first, end - first, ctx->fg_colour,
                         ctx->bg_colour);
        }
    }
    return 0;
}
