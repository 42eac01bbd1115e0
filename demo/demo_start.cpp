#include <windows.h>

#include <GL/gl.h>

#include <cstring>

#include "demo/demo.h"
#include "demo/gl_draw.h"
#include "qzgfx.h"

// Screen, title, random seed, the first scatter, then the two textures; no result is examined.
void start_demo(DemoState& state) {
    init_gl_screen(DEMO_SCREEN_WIDTH, DEMO_SCREEN_HEIGHT, DEMO_SCREEN_DEPTH, 0);
    gfx_window_title(rt_string_temp(DEMO_TITLE, -1));
    std::memset(state.lights, 0, sizeof state.lights);
    seed_random(timer_seconds());
    for (Light& light : state.lights) {
        scatter_light(light, random_unit);
    }
    std::memset(&state.light_texture, 0, sizeof state.light_texture);
    std::memset(&state.brick_texture, 0, sizeof state.brick_texture);
    glEnable(GL_TEXTURE_2D);
    load_texture(DEMO_LIGHT_IMAGE, state.light_texture, 0, 0);
    load_texture(DEMO_BRICK_IMAGE, state.brick_texture, 0, 0);
    glEnable(GL_BLEND);
}
