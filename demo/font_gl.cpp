// The display-list font's OpenGL half: the glyph quads as display lists, and printing with them.
#include <windows.h>

#include <GL/gl.h>

#include "demo/font.h"
#include "demo/texture.h"

namespace {

// The share of the sheet's width and height that one cell covers.
constexpr double CELL_SHARE = 1.0 / 16.0;

// Half a glyph quad's side: each list draws its quad centred on the current origin.
constexpr int HALF_CELL = FONT_CELL_SIZE / 2;

// Compiles display list `list` to draw glyph `code` upright as a 16 by 16 quad centred on the
// origin, in the corner order of the 2D drawing operations (bottom-left first, y downwards).
void compile_glyph(GLuint list, int code) {
    const double cx = (code % 16) / 16.0;
    const double cy = (code / 16) / 16.0;
    const GLfloat s0 = static_cast<GLfloat>(cx);
    const GLfloat s1 = static_cast<GLfloat>(cx + CELL_SHARE);
    const GLfloat t_bottom = static_cast<GLfloat>(1.0 - CELL_SHARE - cy);
    const GLfloat t_top = static_cast<GLfloat>(1.0 - cy);
    glNewList(list, GL_COMPILE);
    glBegin(GL_QUADS);
    glTexCoord2f(s0, t_bottom);
    glVertex2i(-HALF_CELL, HALF_CELL);
    glTexCoord2f(s1, t_bottom);
    glVertex2i(HALF_CELL, HALF_CELL);
    glTexCoord2f(s1, t_top);
    glVertex2i(HALF_CELL, -HALF_CELL);
    glTexCoord2f(s0, t_top);
    glVertex2i(-HALF_CELL, -HALF_CELL);
    glEnd();
    glEndList();
}

} // namespace

// Loads the sheet through load_texture (which reports a file it cannot read), reads the metrics
// and compiles one list per character code.
bool build_font(Font& font, const char* sheet_file, const char* metrics_file) {
    Texture sheet{};
    const bool sheet_loaded = load_texture(sheet_file, sheet, 0, 0) == 0;
    font.texture = sheet.id;
    const bool metrics_read = read_font_metrics(font, metrics_file);
    font.list_base = glGenLists(FONT_GLYPH_COUNT);
    for (int code = 0; code < FONT_GLYPH_COUNT; ++code) {
        compile_glyph(font.list_base + static_cast<GLuint>(code), code);
    }
    return sheet_loaded && metrics_read;
}

// Places each glyph by scaling first and translating in the scaled frame, so the glyph's corner
// lands at (x + scale * (pen - x_offset), y) and the pen counts unscaled pixels.
void print_text(const Font& font, const char* text, int32_t x, int32_t y, int32_t z, float scale) {
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, font.texture);
    glListBase(font.list_base);
    uint32_t pen = 0;
    for (const unsigned char* c = reinterpret_cast<const unsigned char*>(text); *c != 0; ++c) {
        const GlyphMetrics& glyph = font.glyphs[*c];
        glScalef(scale, scale, scale);
        glTranslated(x / static_cast<double>(scale) + static_cast<int32_t>(pen) - glyph.x_offset +
                         8.0,
                     y / static_cast<double>(scale) + 8.0, z);
        glCallLists(1, GL_UNSIGNED_BYTE, c);
        glLoadIdentity();
        pen += font.monospace != 0
                   ? FONT_CELL_SIZE
                   : static_cast<uint32_t>(glyph.width) + static_cast<uint32_t>(font.spacing);
    }
}

// Prints the shadow first, then the text one step nearer; both under the premultiplied blend.
void print_text_shadowed(const Font& font, const char* text, int32_t x, int32_t y, int32_t z,
                         uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha) {
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(0.0f, 0.0f, 0.0f, 0.5f);
    print_text(font, text, x + 1, y + 1, z, 1.0f);
    glColor4ub(red, green, blue, alpha);
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    print_text(font, text, x, y, z + 1, 1.0f);
}

// Frees the 256 lists; the sheet's texture stays, as the caller may share it.
void delete_font(Font& font) { glDeleteLists(font.list_base, FONT_GLYPH_COUNT); }
