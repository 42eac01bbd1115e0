#include <windows.h>

#include <GL/gl.h>

#include <cmath>
#include <cstdlib>

#include "demo/gl_draw.h"
#include "qzgfx.h"

namespace {

// One corner of a textured quad: texture coordinate and vertex position relative to the origin.
struct TexturedCorner {
    float s, t;
    float x, y;
};

// Emits one quad at (x, y, z) from four corners in the drawing order and resets the modelview.
void emit_textured_quad(int x, int y, int z, const TexturedCorner (&corners)[4]) {
    glTranslatef(static_cast<float>(x), static_cast<float>(y), static_cast<float>(z));
    glBegin(GL_QUADS);
    for (const TexturedCorner& c : corners) {
        glTexCoord2f(c.s, c.t);
        glVertex2f(c.x, c.y);
    }
    glEnd();
    glLoadIdentity();
}

// Emits an untextured quad at (x, y, z) spanning left..right and top..bottom relative to it, in
// the order bottom-left, bottom-right, top-right, top-left, and resets the modelview.
void emit_plain_quad(int x, int y, int z, int left, int top, int right, int bottom) {
    glTranslatef(static_cast<float>(x), static_cast<float>(y), static_cast<float>(z));
    glBegin(GL_QUADS);
    glVertex2i(left, bottom);
    glVertex2i(right, bottom);
    glVertex2i(right, top);
    glVertex2i(left, top);
    glEnd();
    glLoadIdentity();
}

// The whole texture as a quad of its own size; flipped swaps the picture's top and bottom.
void draw_whole(const Texture& texture, int x, int y, int z, bool flipped) {
    const float w = static_cast<float>(texture.width);
    const float h = static_cast<float>(texture.height);
    const float bottom_t = flipped ? 1.0f : 0.0f;
    const float top_t = 1.0f - bottom_t;
    glBindTexture(GL_TEXTURE_2D, texture.id);
    emit_textured_quad(
        x, y, z, {{0, bottom_t, 0, h}, {1, bottom_t, w, h}, {1, top_t, w, 0}, {0, top_t, 0, 0}});
}

// The texel rectangle (sx1, sy1)-(sx2, sy2) over a qw by qh quad at (x, y, z).
void draw_region(const Texture& texture, int x, int y, int z, int qw, int qh, int sx1, int sy1,
                 int sx2, int sy2) {
    const float w = static_cast<float>(texture.width);
    const float h = static_cast<float>(texture.height);
    const float s1 = static_cast<float>(sx1) / w;
    const float s2 = static_cast<float>(sx2) / w;
    const float t_bottom = 1.0f - static_cast<float>(sy2) / h;
    const float t_top = 1.0f - static_cast<float>(sy1) / h;
    const float fw = static_cast<float>(qw);
    const float fh = static_cast<float>(qh);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture.id);
    emit_textured_quad(
        x, y, z,
        {{s1, t_bottom, 0, fh}, {s2, t_bottom, fw, fh}, {s2, t_top, fw, 0}, {s1, t_top, 0, 0}});
}

// Cell frame of the grid over the texture; nothing is drawn unless the texture holds at least one
// whole cell in each direction.
void draw_cell(const Texture& texture, int frame, int cell_width, int cell_height, int x, int y,
               int z, bool flipped) {
    if (cell_width <= 0 || cell_height <= 0) {
        return;
    }
    const int cols = static_cast<int>(static_cast<double>(texture.width) / cell_width);
    const int rows = static_cast<int>(static_cast<double>(texture.height) / cell_height);
    if (cols <= 0 || rows <= 0) {
        return;
    }
    const int k = frame - 1;
    const double s0 = static_cast<double>(k % cols) / cols;
    const double t0 = static_cast<double>(k / cols) / rows;
    const double ds = 1.0 / cols;
    const double dt = 1.0 / rows;
    const float s_left = static_cast<float>(s0);
    const float s_right = static_cast<float>(s0 + ds);
    const float t_low = static_cast<float>(1.0 - t0 - dt);
    const float t_high = static_cast<float>(1.0 - t0);
    const float t_bottom = flipped ? t_high : t_low;
    const float t_top = flipped ? t_low : t_high;
    glBindTexture(GL_TEXTURE_2D, texture.id);
    glTranslatef(static_cast<float>(x), static_cast<float>(y), static_cast<float>(z));
    glBegin(GL_QUADS);
    glTexCoord2f(s_left, t_bottom);
    glVertex2i(0, cell_height);
    glTexCoord2f(s_right, t_bottom);
    glVertex2i(cell_width, cell_height);
    glTexCoord2f(s_right, t_top);
    glVertex2i(cell_width, 0);
    glTexCoord2f(s_left, t_top);
    glVertex2i(0, 0);
    glEnd();
    glLoadIdentity();
}

} // namespace

// Opens the screen with the OpenGL flag added, then sets the projection and the fixed GL state.
void init_gl_screen(int width, int height, int depth, int flags) {
    gfx_screen_res(width, height, depth, 0, flags | SCREEN_OPENGL, 0);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glViewport(0, 0, width, height);
    glOrtho(0.0, width, height, 0.0, -128.0, 128.0);
    glMatrixMode(GL_MODELVIEW);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glEnable(GL_TEXTURE_2D);
    glLoadIdentity();
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_GREATER, 0.0f);
}

// Clears colour and depth in one call.
void clear_screen() { glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT); }

// Upright whole texture.
void draw_texture(const Texture& texture, int x, int y, int z) {
    draw_whole(texture, x, y, z, false);
}

// Upside-down whole texture.
void draw_texture_flipped(const Texture& texture, int x, int y, int z) {
    draw_whole(texture, x, y, z, true);
}

// A texel rectangle at its own size.
void draw_texture_region(const Texture& texture, int x, int y, int z, int sx1, int sy1, int sx2,
                         int sy2) {
    draw_region(texture, x, y, z, std::abs(sx1 - sx2), std::abs(sy1 - sy2), sx1, sy1, sx2, sy2);
}

// A texel rectangle stretched over a screen rectangle.
void draw_texture_region_scaled(const Texture& texture, int x1, int y1, int x2, int y2, int z,
                                int sx1, int sy1, int sx2, int sy2) {
    draw_region(texture, x1, y1, z, std::abs(x1 - x2), std::abs(y1 - y2), sx1, sy1, sx2, sy2);
}

// An upright cell of a grid.
void draw_texture_cell(const Texture& texture, int frame, int cell_width, int cell_height, int x,
                       int y, int z) {
    draw_cell(texture, frame, cell_width, cell_height, x, y, z, false);
}

// An upside-down cell of a grid.
void draw_texture_cell_flipped(const Texture& texture, int frame, int cell_width, int cell_height,
                               int x, int y, int z) {
    draw_cell(texture, frame, cell_width, cell_height, x, y, z, true);
}

// Always extends right and down from (x1, y1), whatever the order of the corners.
void draw_rect(int x1, int y1, int x2, int y2, int z) {
    emit_plain_quad(x1, y1, z, 0, 0, std::abs(x2 - x1), std::abs(y2 - y1));
}

// Half extents rounded to the nearest integer, ties to even.
void draw_centered_rect(int x, int y, int z, int w, int h) {
    const int half_w = static_cast<int>(std::nearbyint(w / 2.0));
    const int half_h = static_cast<int>(std::nearbyint(h / 2.0));
    const int neg_w = static_cast<int>(std::nearbyint(-w / 2.0));
    const int neg_h = static_cast<int>(std::nearbyint(-h / 2.0));
    emit_plain_quad(x, y, z, neg_w, neg_h, half_w, half_h);
}

// A quad with the currently bound texture; binds nothing.
void draw_textured_quad(int x, int y, int z, int w, int h) {
    glTranslatef(static_cast<float>(x), static_cast<float>(y), static_cast<float>(z));
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex2i(0, h);
    glTexCoord2f(1, 0);
    glVertex2i(w, h);
    glTexCoord2f(1, 1);
    glVertex2i(w, 0);
    glTexCoord2f(0, 1);
    glVertex2i(0, 0);
    glEnd();
    glLoadIdentity();
}
