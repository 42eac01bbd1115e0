// The console's geometry: size, text view, cursor and output column, kept as plain numbers and
// handed to the platform's console when the program has one.
#include "rt/console_state.h"
#include "rt/platform.h"
#include "rt/rt.h"

namespace {

constexpr int DEFAULT_COLUMNS = 80;
constexpr int DEFAULT_ROWS = 25;

struct ConsoleGeometry {
    int columns = DEFAULT_COLUMNS;
    int rows = DEFAULT_ROWS;
    int view_top = 0; // 0, 0: the whole console
    int view_bottom = 0;
    int row = 1; // the cursor, 1-based
    int column = 1;
    int output_column = 0;
    int fg = 7; // console colours, 0..15 each
    int bg = 0;
};

ConsoleGeometry console;

// The last row of the text view, where printing scrolls.
int view_bottom_row() { return console.view_bottom > 0 ? console.view_bottom : console.rows; }

// Limits v to 1..limit.
int clamp_to(int v, int limit) { return v < 1 ? 1 : (v > limit ? limit : v); }

// Starts the next line; past the bottom of the view the console scrolls and the cursor stays on
// the bottom row.
void next_line() {
    console.column = 1;
    if (console.row < view_bottom_row()) {
        ++console.row;
    } else {
        console.row = view_bottom_row();
    }
}

} // namespace

// Records where the next output starts; the cursor itself does not move.
void rt_set_output_column(int column) {
    if (column < 0) {
        rt_set_error(RT_ERR_ILLEGAL_CALL);
        return;
    }
    console.output_column = column;
}

// The column at which the next output starts (0-based).
int rt_output_column() { return console.output_column; }

// Sets the console's size (slot 6 on a graphics screen), keeping the cursor and view inside it.
void rt_set_console_size(int columns, int rows) {
    if (rt_hooks.width) {
        rt_hooks.width(columns, rows);
        return;
    }
    if (columns > 0) {
        console.columns = columns;
    }
    if (rows > 0) {
        console.rows = rows;
    }
    if (console.view_bottom > console.rows) {
        console.view_top = 0;
        console.view_bottom = 0;
    }
    console.row = clamp_to(console.row, console.rows);
    console.column = clamp_to(console.column, console.columns);
    rt_platform_console_resize(console.columns, console.rows);
}

// Reads the console's size (slot 10 on a graphics screen); either pointer may be null.
void rt_console_size(int* columns, int* rows) {
    int c = console.columns;
    int r = console.rows;
    if (rt_hooks.get_size) {
        rt_hooks.get_size(&c, &r);
    }
    if (columns) {
        *columns = c;
    }
    if (rows) {
        *rows = r;
    }
}

// Sets the rows that printing scrolls within; 0, 0 is the whole console.
void rt_set_view_rows(int top, int bottom) {
    const bool whole = top == 0 && bottom == 0;
    if (!whole && (top < 1 || bottom < top)) {
        rt_set_error(RT_ERR_ILLEGAL_CALL);
        return;
    }
    console.view_top = top;
    console.view_bottom = bottom;
    if (rt_hooks.view_update) {
        rt_hooks.view_update();
    }
}

// Reads the text view rows; 0, 0 while it is the whole console. Either pointer may be null.
void rt_view_rows(int* top, int* bottom) {
    if (top) {
        *top = console.view_top;
    }
    if (bottom) {
        *bottom = console.view_bottom;
    }
}

// Places the cursor (slot 5 on a graphics screen) and moves the output column to it.
void rt_locate(int row, int column) {
    if (rt_hooks.locate) {
        rt_hooks.locate(row, column, -1);
        return;
    }
    if (row > 0) {
        console.row = clamp_to(row, console.rows);
    }
    if (column > 0) {
        console.column = clamp_to(column, console.columns);
    }
    console.output_column = console.column - 1;
    rt_platform_console_move_cursor(console.row, console.column);
}

// Reads the cursor position (slot 9 on a graphics screen); either pointer may be null.
void rt_cursor(int* row, int* column) {
    int r = console.row;
    int c = console.column;
    if (rt_hooks.get_position) {
        rt_hooks.get_position(&c, &r);
    }
    if (row) {
        *row = r;
    }
    if (column) {
        *column = c;
    }
}

// Follows the bytes the console has just written: line ends, carriage returns, the bell (which
// does not move) and wrapping at the right edge.
void rt_console_advance(const char* text, uint32_t length, bool newline) {
    for (uint32_t i = 0; i < length; ++i) {
        const char c = text[i];
        if (c == '\n') {
            next_line();
        } else if (c == '\r') {
            console.column = 1;
        } else if (c != '\a') {
            if (++console.column > console.columns) {
                next_line();
            }
        }
    }
    if (newline) {
        next_line();
    }
    console.output_column = console.column - 1;
}

// Clears the screen (slot 3 on a graphics screen); the console clears all of itself and puts the
// cursor at the top row of its text view.
void rt_cls(int mode) {
    if (rt_hooks.cls) {
        rt_hooks.cls(mode);
        return;
    }
    rt_platform_console_clear();
    console.row = console.view_top > 0 ? console.view_top : 1;
    console.column = 1;
    console.output_column = 0;
    rt_platform_console_move_cursor(console.row, console.column);
}

// Sets the text colours (slot 4 on a graphics screen); the console keeps 16 colours each and
// hands them to its platform. Returns the previous pair.
int rt_color(int fg, int bg) {
    if (rt_hooks.color) {
        return rt_hooks.color(fg, bg);
    }
    const int previous = console.fg | console.bg << 16;
    if (fg != -1) {
        console.fg = fg & 15;
    }
    if (bg != -1) {
        console.bg = bg & 15;
    }
    rt_platform_console_colour(console.fg, console.bg);
    return previous;
}

// The cursor's column, 1-based (slot 7 on a graphics screen).
int rt_cursor_column() { return rt_hooks.get_column ? rt_hooks.get_column() : console.column; }

// The cursor's row, 1-based (slot 8 on a graphics screen).
int rt_cursor_row() { return rt_hooks.get_row ? rt_hooks.get_row() : console.row; }
