// Changing the text size, which picks the font whose cells divide the screen.
#include "gfx/core/builtin_data.h"
#include "gfx/core/context.h"
#include "gfx/core/screen.h"
#include "gfx/core/types.h"
#include "gfx/text/text.h"
#include "rt/rt.h"

namespace {

// The built-in font with cells of width by height pixels, or null when there is none.
const FontInfo* font_for_cell(int width, int height) {
    return width == 8 ? builtin_font(height) : nullptr;
}

} // namespace

// Sets the text columns and rows (0 or less: keep that one) when the cells they give match a
// built-in font; then fresh text pages, the whole screen as view and text view, and a cleared
// page. Returns the previous columns in the low half and rows in the high half.
int gfx_text_width(int columns, int rows) {
    GfxContext* ctx = gfx_context;
    if (!ctx || !ctx->font) {
        return 0;
    }
    const int previous = ctx->text_w | (ctx->text_h << 16);
    if (columns <= 0 && rows <= 0) {
        return previous;
    }
    const int cell_w = columns > 0 ? ctx->width / columns : ctx->font->width;
    const int cell_h = rows > 0 ? ctx->height / rows : ctx->font->height;
    const FontInfo* font = font_for_cell(cell_w, cell_h);
    if (!font) {
        return previous;
    }
    const int old_w = ctx->text_w;
    const int old_h = ctx->text_h;
    const FontInfo* old_font = ctx->font;
    ctx->font = font;
    if (columns > 0) {
        ctx->text_w = columns;
    }
    if (rows > 0) {
        ctx->text_h = rows;
    }
    if (gfx_text_pages_reset(1) != 0) {
        ctx->font = old_font;
        ctx->text_w = old_w;
        ctx->text_h = old_h;
        gfx_text_pages_reset(1);
        rt_set_error(RT_ERR_ILLEGAL_CALL);
        return previous;
    }
    gfx_view(COORD_OMITTED, COORD_OMITTED, COORD_OMITTED, COORD_OMITTED, COLOUR_NONE, COLOUR_NONE,
             0);
    rt_set_view_rows(0, 0);
    gfx_text_cls(0);
    return previous;
}
