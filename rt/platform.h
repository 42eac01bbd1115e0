// The platform services behind the console runtime, implemented once per platform
// (rt/win32_*.cpp on Windows, rt/posix_*.cpp natively).
#pragma once

// Resizes the program's console to columns by rows, when the program has a console to resize.
void rt_platform_console_resize(int columns, int rows);

// Moves the program's console cursor to row, column (1-based), when it has a console.
void rt_platform_console_move_cursor(int row, int column);

// Sounds the platform's beep.
void rt_platform_beep();

// Waits until a key is pressed on the console; returns at once when there is no input to wait on.
void rt_platform_wait_key();

// Whether the key with this PC scancode is down while no graphics screen answers: -1 or 0.
int rt_platform_multikey(int scancode);

// Clears the program's console, when it has one.
void rt_platform_console_clear();

// Sets the console's text colours (0..15 each), when it has a console.
void rt_platform_console_colour(int fg, int bg);

// The character (mode 0) or colour attribute of the console cell at a 1-based column and row;
// 0 when there is no console or the cell lies outside it.
int rt_platform_console_cell(int column, int row, int mode);

// The console buffer's size after a resize to columns by rows from current_columns by
// current_rows: never smaller than it was, so that the user's scrollback survives.
void rt_console_buffer_size(int current_columns, int current_rows, int* columns, int* rows);
