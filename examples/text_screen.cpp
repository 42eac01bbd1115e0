// A text screen on mode 12: colours, placing text, the text size, a scrolling view, and a line
// read from the user and printed back. Escape ends the program.
#include <qzgfx.h>

#include <cstdio>
#include <cstring>

// Prints a zero-terminated text at the cursor, ending the line when newline is true.
static void print(const char* text, bool newline = true) {
    rt_print(text, static_cast<int>(std::strlen(text)), newline ? RT_PRINT_NEWLINE : 0);
}

int main(int argc, char** argv) {
    rt_start(argc, argv);
    gfx_window_title(rt_string_temp("qzgfx text screen", -1));
    if (gfx_screen(12, 0, 1, 0, 0) != 0) { // 640 x 480, 16 colours
        return 1;
    }
    rt_set_console_size(80, 30); // 80 columns of 30 rows: glyphs 8 x 16 pixels

    rt_color(15, 1); // white on blue
    rt_cls(RT_CLS_OMITTED);
    rt_color(14, 4);
    print(" qzgfx text screen - type a line, then Escape ends ");

    // The sixteen colours, each as the background of a numbered cell.
    rt_locate(3, 1);
    for (int colour = 0; colour < 16; ++colour) {
        char cell[8];
        std::snprintf(cell, sizeof cell, " %2d ", colour);
        rt_color(colour == 15 ? 0 : 15, colour);
        print(cell, false);
    }

    // Rows 5 to 12 become the text view: printing past its bottom scrolls only those rows.
    rt_color(10, 0);
    rt_set_view_rows(5, 12);
    rt_locate(5, 1);
    for (int line = 1; line <= 20; ++line) {
        char text[40];
        std::snprintf(text, sizeof text, "scrolled line %d of 20", line);
        print(text, line < 20); // the last line keeps the cursor, so no empty row scrolls in
    }
    rt_set_view_rows(0, 0);

    // Read a line where the user types, then print it back below.
    rt_color(15, 1);
    rt_locate(15, 1);
    print("Your name: ", false);
    char name[64];
    if (!rt_line_input(name, sizeof name)) {
        name[0] = '\0';
    }
    rt_locate(16, 1);
    print("     Hello ", false);
    print(name);

    rt_color(7, 1);
    rt_locate(30, 1);
    print("Press Escape to end.", false);
    for (int key = 0; key != 27 && key != 0x6BFF;) { // Escape, or the window was closed
        key = gfx_getkey();
    }
    return 0;
}
