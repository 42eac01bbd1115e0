// An OpenGL screen that prints with the display-list font: each character is a display list that
// draws one textured quad from a 16 x 16 grid of glyphs. Escape ends the program.
//
// The font comes with the demo's library (link qzdemo_gl, include demo/font.h); its glyph sheet
// and metrics are in resources/font/, which the build copies beside this program.
#include <windows.h>

#include <GL/gl.h>

#include <qzgfx.h>

#include <cstdio>

#include "demo/font.h"

int main(int argc, char** argv) {
    rt_start(argc, argv);
    gfx_window_title(rt_string_temp("qzgfx OpenGL font", -1));
    const int width = 640, height = 480;
    if (gfx_screen_res(width, height, 32, 0, SCREEN_OPENGL, 0) != 0) {
        return 1;
    }
    // Pixel coordinates with (0, 0) at the top-left corner; text blends over what lies below it.
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, width, height, 0.0, -128.0, 128.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);

    Font font{};
    font.spacing = 1; // pixels between proportional glyphs
    if (!build_font(font, "resources/font/font.tga", "resources/font/font.metrics")) {
        return 1; // run it from the directory that holds resources/font/
    }

    for (int frame = 0;; ++frame) {
        glClearColor(0.05f, 0.05f, 0.2f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        glColor3ub(255, 255, 0);
        print_text(font, "Hello from the font", 20, 20, 0, 1.0f);
        glColor3ub(0, 255, 255);
        print_text(font, "Hello from the font", 20, 60, 0, 2.0f); // twice the size
        glColor3ub(200, 200, 200);
        print_text(font, " !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ", 20, 180, 0,
                   1.0f);
        print_text(font, "[\\]^_`abcdefghijklmnopqrstuvwxyz{|}~", 20, 200, 0, 1.0f);
        char counter[32];
        std::snprintf(counter, sizeof counter, "Frame %d", frame);
        print_text_shadowed(font, counter, 20, 140, 0, 255, 255, 255, 255);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glColor3ub(255, 128, 0);
        print_text(font, "Press Escape to end", 20, 440, 0, 1.0f);
        gfx_flip(-1, -1); // show the frame
        while (gfx_keyhit()) {
            const int key = gfx_getkey();
            if (key == 27 || key == 0x6BFF) { // Escape, or the window was closed
                delete_font(font);
                return 0;
            }
        }
    }
}
