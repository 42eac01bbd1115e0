// Drawing characters into the drawing target: whole glyph rows at a time where the cells lie
// inside the target, one put_pixel per glyph bit where they do not.
#include <array>
#include <cstring>

#include "gfx/core/context.h"
#include "gfx/core/pixel.h"
#include "gfx/text/text.h"

namespace {

constexpr int GLYPH_WIDTH = 8;

// For every glyph row byte, one mask per pixel: all ones where the bit is set (bit 0 leftmost).
template <typename T>
constexpr std::array<std::array<T, GLYPH_WIDTH>, 256> make_masks() {
    std::array<std::array<T, GLYPH_WIDTH>, 256> masks{};
    for (int b = 0; b < 256; ++b) {
        for (int i = 0; i < GLYPH_WIDTH; ++i) {
            masks[b][i] = ((b >> i) & 1) ? static_cast<T>(~T{0}) : T{0};
        }
    }
    return masks;
}

constexpr auto MASKS_8 = make_masks<uint8_t>();
constexpr auto MASKS_16 = make_masks<uint16_t>();
constexpr auto MASKS_32 = make_masks<uint32_t>();

// Writes one glyph row of 8 pixels of type T: fg where the mask is set, bg elsewhere.
template <typename T>
inline void put_glyph_row(uint8_t* dest, const std::array<T, GLYPH_WIDTH>& mask, T fg, T bg) {
    T out[GLYPH_WIDTH];
    for (int i = 0; i < GLYPH_WIDTH; ++i) {
        out[i] = static_cast<T>((mask[i] & fg) | (static_cast<T>(~mask[i]) & bg));
    }
    std::memcpy(dest, out, sizeof out);
}

// Draws count glyphs of an 8-pixel-wide font row by row straight into the target's rows, every
// cell lying inside the target.
template <typename T>
void draw_glyphs_fast(const GfxContext* ctx, const std::array<std::array<T, GLYPH_WIDTH>, 256>& masks,
                      int px, int py, const uint8_t* bytes, int count) {
    const FontInfo* font = ctx->font;
    const T fg = static_cast<T>(ctx->fg_colour);
    const T bg = static_cast<T>(ctx->bg_colour);
    const size_t step = sizeof(T) * GLYPH_WIDTH;
    for (int r = 0; r < font->height; ++r) {
        uint8_t* dest = ctx->rows[py + r] + static_cast<size_t>(px) * sizeof(T);
        for (int i = 0; i < count; ++i) {
            const uint8_t bits = font->glyphs[bytes[i] * font->height + r];
            put_glyph_row<T>(dest, masks[bits], fg, bg);
            dest += step;
        }
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
    if (w == GLYPH_WIDTH && block_inside_target(ctx, px, py, count)) {
        switch (ctx->bytes_per_pixel) {
        case 1:
            draw_glyphs_fast<uint8_t>(ctx, MASKS_8, px, py, bytes, count);
            break;
        case 2:
            draw_glyphs_fast<uint16_t>(ctx, MASKS_16, px, py, bytes, count);
            break;
        default:
            draw_glyphs_fast<uint32_t>(ctx, MASKS_32, px, py, bytes, count);
            break;
        }
    } else {
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
