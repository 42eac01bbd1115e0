#include <windows.h>

#include <GL/gl.h>

#include "demo/demo.h"
#include "demo/gl_draw.h"
#include "qzgfx.h"

namespace {

// Tiles the brick texture from the top-left corner up to and past the right and bottom edges.
void draw_background(const Texture& brick) {
    if (brick.width <= 0 || brick.height <= 0) {
        return;
    }
    const int columns = static_cast<int>(static_cast<double>(DEMO_SCREEN_WIDTH) / brick.width);
    const int rows = static_cast<int>(static_cast<double>(DEMO_SCREEN_HEIGHT) / brick.height);
    for (int i = 0; i <= columns; ++i) {
        for (int j = 0; j <= rows; ++j) {
            draw_texture(brick, brick.width * i, brick.height * j, DEMO_Z_BACKGROUND);
        }
    }
}

// Adds each glow in its colour, then bounces, moves and (while R is down) re-scatters it.
void draw_lights(DemoState& state) {
    for (Light& light : state.lights) {
        glColor4ub(static_cast<GLubyte>(light.red), static_cast<GLubyte>(light.green),
                   static_cast<GLubyte>(light.blue), 255);
        glBindTexture(GL_TEXTURE_2D, state.light_texture.id);
        draw_textured_quad(static_cast<int>(light.x), static_cast<int>(light.y), DEMO_Z_LIGHTS,
                           light.size, light.size);
        step_light(light, rt_multikey(SC_R) != 0, random_unit);
    }
}

// Multiplies every colour channel of the frame by itself with one black full-screen quad.
void darken_frame() {
    glDepthFunc(GL_LESS);
    glBlendFunc(GL_DST_COLOR, GL_DST_COLOR);
    glColor4f(0.0f, 0.0f, 0.0f, 1.0f);
    glBindTexture(GL_TEXTURE_2D, 0);
    draw_rect(0, 0, DEMO_SCREEN_WIDTH, DEMO_SCREEN_HEIGHT, DEMO_Z_DARKEN);
}

} // namespace

// Background at half brightness, the glows added on top, the darkening pass, then present.
void draw_frame(DemoState& state) {
    clear_screen();
    glColor4f(0.5f, 0.5f, 0.5f, 1.0f);
    glDepthFunc(GL_LESS);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    draw_background(state.brick_texture);
    glDepthFunc(GL_ALWAYS);
    glBlendFunc(GL_SRC_ALPHA, GL_SRC_ALPHA);
    draw_lights(state);
    darken_frame();
    glFlush();
    gfx_flip(-1, -1);
    gfx_screen_sync();
}
