// Palette animation on mode 13: the picture is drawn once, and only the palette moves.
//
// Each pixel holds a palette index that grows along the diagonals. Rotating the 256 palette
// entries by one step a frame makes the colour bands flow, without touching a pixel again.
// Space pauses and resumes; Escape ends the program.
#include <qzgfx.h>

#include <cmath>

int main(int argc, char** argv) {
    rt_start(argc, argv);
    gfx_window_title(rt_string_temp("qzgfx palette animation", -1));
    if (gfx_screen(13, 0, 2, 0, 0) != 0) { // 320 x 200, 256 colours, two pages
        return 1;
    }

    // Draw into the work page once: the index rises by one per step along x and y.
    int width = 0, height = 0, pitch = 0;
    gfx_screen_info(&width, &height, nullptr, &pitch);
    uint8_t* pixels = gfx_screen_lock();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            pixels[y * pitch + x] = static_cast<uint8_t>(x + y);
        }
    }
    gfx_screen_unlock(0, height - 1);

    // A rainbow of 256 colours, each 0x00BBGGRR with components 0..63.
    int32_t rainbow[256];
    for (int i = 0; i < 256; ++i) {
        rainbow[i] = 0;
        for (int c = 0; c < 3; ++c) {
            const double phase = 6.2831853 * (i / 256.0 + c / 3.0);
            rainbow[i] |= static_cast<int32_t>(31.5 + 31.5 * std::sin(phase)) << (8 * c);
        }
    }

    bool paused = false;
    for (int frame = 0;; frame += paused ? 0 : 1) {
        int32_t palette[256];
        for (int i = 0; i < 256; ++i) {
            palette[i] = rainbow[(i + frame) & 255]; // entry i takes the colour one step further
        }
        gfx_palette_using(palette);
        gfx_flip(-1, -1); // copy the work page to the shown page and present it
        gfx_screen_sync();
        while (gfx_keyhit()) {
            const int key = gfx_getkey();
            if (key == 27 || key == 0x6BFF) { // Escape, or the window was closed
                return 0;
            }
            if (key == ' ') {
                paused = !paused;
            }
        }
    }
}
