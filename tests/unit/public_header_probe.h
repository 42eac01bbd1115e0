// What a translation unit that sees only the public header qzgfx.h reports to the tests.
#pragma once

// Opens a windowless mode-13 screen through the public header alone and checks its geometry.
// Returns 0, or the step that failed (1 and up).
int public_header_open_screen();

// Draws a diagonal on the open screen through the public header: pixel (i, i) = i + 1 for i < 64,
// then marks rows 0..63. Returns 0, or 1 when the screen could not be locked.
int public_header_draw_diagonal();

// What public_header_print_text saw through the public header's text statements.
struct PublicHeaderText {
    int columns, rows;           // rt_console_size after asking for 80 x 60
    int previous_colours;        // rt_color's result when setting yellow on blue
    int row, column;             // rt_cursor after printing "Hi!" at row 7, column 5
    int row_alone, column_alone; // rt_cursor_row and rt_cursor_column
    int codes[3], colours[3];    // rt_screen_cell modes 0 and 1 of the three printed cells
    int port_red;                // palette entry 15's red read through ports 0x3C7 and 0x3C9
};

// Opens a windowless mode-12 screen, sets 80 x 60 text, prints "Hi!" in yellow on blue at row 7,
// column 5 and reads back through the public header. Returns 0, or the step that failed.
int public_header_print_text(PublicHeaderText* seen);
