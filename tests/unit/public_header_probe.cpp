// Uses the library through the public header only, as a program outside the tree does.
#include <qzgfx.h>

#include "tests/unit/public_header_probe.h"

// Opens the screen and reads its geometry back.
int public_header_open_screen() {
    if (gfx_screen(13, 0, 1, SCREEN_NULL, 0) != 0) {
        return 1;
    }
    int width = 0, height = 0, depth = 0, pitch = 0;
    if (gfx_screen_info(&width, &height, &depth, &pitch) != 0 || width != 320 || height != 200 ||
        depth != 8 || pitch != 320) {
        return 2;
    }
    return 0;
}

// Draws through the program's lock, addressing rows by the pitch the screen reports.
int public_header_draw_diagonal() {
    int pitch = 0;
    gfx_screen_info(nullptr, nullptr, nullptr, &pitch);
    uint8_t* pixels = gfx_screen_lock();
    if (!pixels) {
        return 1;
    }
    for (int i = 0; i < 64; ++i) {
        pixels[i * pitch + i] = static_cast<uint8_t>(i + 1);
    }
    gfx_screen_unlock(0, 63);
    return 0;
}

// Prints through the text statements and reads the results back through the queries.
int public_header_print_text(PublicHeaderText* seen) {
    if (gfx_screen(12, 0, 1, SCREEN_NULL, 0) != 0) {
        return 1;
    }
    rt_set_console_size(80, 60);
    rt_console_size(&seen->columns, &seen->rows);
    seen->previous_colours = rt_color(14, 1);
    rt_locate(7, 5);
    rt_print("Hi!", 3, 0);
    rt_cursor(&seen->row, &seen->column);
    seen->row_alone = rt_cursor_row();
    seen->column_alone = rt_cursor_column();
    for (int i = 0; i < 3; ++i) {
        seen->codes[i] = rt_screen_cell(5 + i, 7, 0);
        seen->colours[i] = rt_screen_cell(5 + i, 7, 1);
    }
    rt_port_out(0x3C7, 15);
    seen->port_red = rt_port_in(0x3C9);
    return 0;
}
