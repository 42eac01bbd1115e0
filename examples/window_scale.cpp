// A mode-13 picture at a whole-number scale: the same 320 x 200 pixels at scale 1, 2, 3 or the
// one the display's DPI gives, and full screen over any display, every pixel a crisp block.
//
// Keys 1 to 8 set the scale, 0 chooses it from the display's DPI, Alt+Enter switches between the
// window and full screen; the status line shows the setting and the mouse position in framebuffer
// pixels. Escape ends the program.
#include <qzgfx.h>

#include <cmath>
#include <cstdio>

// Draws the picture: a sky of bands, a sun, hills, a one-pixel checkerboard that shows whether
// pixels stay sharp, and a frame around the whole screen.
static void draw_picture() {
    for (int y = 16; y < 200; ++y) {
        gfx_line(0, static_cast<float>(y), 319, static_cast<float>(y),
                 static_cast<uint32_t>(32 + (y - 16) / 12), GFX_LINE, 0xFFFF, 0);
    }
    gfx_circle(250, 60, 24, 43, GFX_OMITTED, GFX_OMITTED, 0, GFX_CIRCLE_FILLED);
    for (int x = 0; x < 320; ++x) {
        const int top = 150 + static_cast<int>(18 * std::sin(x / 23.0) + 8 * std::sin(x / 7.0));
        gfx_line(static_cast<float>(x), static_cast<float>(top), static_cast<float>(x), 199, 2,
                 GFX_LINE, 0xFFFF, 0);
    }
    for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 24; ++x) {
            gfx_pset(static_cast<float>(24 + x), static_cast<float>(40 + y), (x + y) % 2 ? 15 : 0,
                     0);
        }
    }
    gfx_line(0, 16, 319, 199, 14, GFX_BOX, 0xFFFF, 0);
}

// Rewrites the status line: the scale setting and the mouse, in framebuffer pixels.
static void show_status(int setting) {
    int x = -1, y = -1;
    const bool mouse = gfx_getmouse(&x, &y, nullptr, nullptr) == 0;
    char line[48];
    if (setting == 0) {
        std::snprintf(line, sizeof line, "window scale auto");
    } else {
        std::snprintf(line, sizeof line, "window scale %d", setting);
    }
    char mouse_text[24] = "mouse -";
    if (mouse) {
        std::snprintf(mouse_text, sizeof mouse_text, "mouse %d,%d", x, y);
    }
    char text[80];
    std::snprintf(text, sizeof text, "%-18s%22s", line, mouse_text);
    rt_locate(1, 1);
    rt_print(text, 40, 0);
}

int main(int argc, char** argv) {
    rt_start(argc, argv);
    gfx_window_title(rt_string_temp("qzgfx window scale", -1));
    if (gfx_screen(13, 0, 1, 0, 0) != 0) { // 320 x 200, 256 colours
        return 1;
    }
    rt_color(15, 1);
    draw_picture();
    int setting = gfx_window_scale(-1);
    for (;;) {
        show_status(setting);
        gfx_screen_sync();
        while (gfx_keyhit()) {
            const int key = gfx_getkey();
            if (key == 27 || key == 0x6BFF) { // Escape, or the window was closed
                return 0;
            }
            if (key >= '0' && key <= '8') {
                gfx_window_scale(key - '0');
                setting = gfx_window_scale(-1);
            }
        }
    }
}
