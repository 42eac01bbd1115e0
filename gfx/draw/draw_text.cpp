// gfx_draw_text: text at any pixel position, only the glyphs' set pixels, clipped to the view.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "gfx/core/builtin_data.h"
#include "gfx/core/context.h"
#include "gfx/draw/draw_target.h"
#include "qzgfx.h"

namespace {

constexpr int GLYPH_WIDTH = 8;

// The built-in font of cell height `font`, the screen's own for 0; null for any other value.
const FontInfo* pick_font(const GfxContext* ctx, int font) {
    return font == 0 ? ctx->font : builtin_font(font);
}

// Draws the glyph rows of count characters whose cells start at column x0 and row y0, visiting
// only the view's part: rows in the view, and in each row the characters that reach into it.
template <int bytes>
void draw_glyphs(const DrawTarget& t, const FontInfo* font, const uint8_t* text, int64_t count,
                 int64_t x0, int64_t y0, uint32_t colour) {
    const int64_t first_row = std::max<int64_t>(y0, t.top);
    const int64_t last_row = std::min<int64_t>(y0 + font->height - 1, t.bottom);
    const int64_t first_char = std::max<int64_t>(0, (t.left - x0) / GLYPH_WIDTH);
    const int64_t last_char = std::min<int64_t>(count - 1, (t.right - x0) / GLYPH_WIDTH);
    for (int64_t y = first_row; y <= last_row; ++y) {
        const int r = static_cast<int>(y - y0);
        bool drawn = false;
        for (int64_t c = first_char; c <= last_char; ++c) {
            const uint8_t bits = font->glyphs[text[c] * font->height + r];
            if (!bits) {
                continue;
            }
            const int64_t cell = x0 + c * GLYPH_WIDTH;
            for (int b = 0; b < GLYPH_WIDTH; ++b) {
                const int64_t x = cell + b;
                if (((bits >> b) & 1) && x >= t.left && x <= t.right) {
                    draw_store(t.at(x, y), colour, bytes);
                    drawn = true;
                }
            }
        }
        if (drawn) {
            t.mark(y, y);
        }
    }
}

} // namespace

// Checks the arguments, maps the corner and draws the glyphs' set pixels in the colour.
int gfx_draw_text(float x, float y, const char* text, int length, uint32_t colour, int font) {
    GfxContext* ctx = gfx_context;
    if (!ctx || !std::isfinite(x) || !std::isfinite(y) || length < -1 || (!text && length != 0)) {
        return draw_fail();
    }
    const FontInfo* f = pick_font(ctx, font);
    if (!f || !f->glyphs) {
        return draw_fail();
    }
    const int64_t count = length == -1 ? static_cast<int64_t>(std::strlen(text)) : length;
    int64_t px = 0;
    int64_t py = 0;
    draw_map(x, y, &px, &py);
    DrawTarget target{};
    if (count == 0 || !draw_target(ctx, &target) || px > target.right || py > target.bottom ||
        py + f->height <= target.top || px + count * GLYPH_WIDTH <= target.left) {
        return 0;
    }
    const uint32_t native = draw_colour(ctx, colour);
    const auto* bytes = reinterpret_cast<const uint8_t*>(text);
    GfxLockGuard lock(ctx);
    switch (target.bytes) {
    case 1:
        draw_glyphs<1>(target, f, bytes, count, px, py, native);
        break;
    case 2:
        draw_glyphs<2>(target, f, bytes, count, px, py, native);
        break;
    default:
        draw_glyphs<4>(target, f, bytes, count, px, py, native);
        break;
    }
    return 0;
}
