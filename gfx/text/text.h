// Text on graphics screens: printing, scrolling, clearing, colours, cursor, text size, line input,
// the graphics view and its box, and the console statements the graphics screen answers.
#pragma once

#include <cstdint>

#include "qzgfx.h"
#include "rt/string.h"

// Line style of a solid box edge.
constexpr int BOX_STYLE_SOLID = 0xFFFF;

struct TextWindow;

// Scrolls the window's cell rectangle up by lines text rows (pixels and cells together).
using TextScrollFn = void (*)(TextWindow* window, int left, int top, int right, int bottom,
                              int lines);

// Draws count characters at the window's cursor without moving it. Returns 0.
using TextDrawFn = int (*)(TextWindow* window, const uint8_t* bytes, int count);

// What one print works on: the rows it dirtied, its two routines, its cell rectangle (inclusive)
// and its cursor.
struct TextWindow {
    int dirty_first; // first pixel row changed
    int dirty_end;   // one past the last; both 0 while nothing changed
    TextScrollFn scroll;
    TextDrawFn draw;
    int left;
    int top;
    int right;
    int bottom;
    int x;
    int y;
};

// --- the two routines of a TextWindow -----------------------------------------------------------

void gfx_text_scroll(TextWindow* window, int left, int top, int right, int bottom, int lines);
int gfx_text_draw_chars(TextWindow* window, const uint8_t* bytes, int count);

// Adds pixel rows first .. end - 1 to the window's dirty range.
void gfx_text_window_dirty(TextWindow* window, int first, int end);

// --- hook slots 3 to 13 -------------------------------------------------------------------------

void gfx_text_cls(int mode);                                           //  3
int gfx_text_color(int fg, int bg);                                    //  4
int gfx_text_locate(int row, int column, int visibility);              //  5
int gfx_text_width(int columns, int rows);                             //  6
int gfx_text_get_column();                                             //  7
int gfx_text_get_row();                                                //  8
void gfx_text_get_position(int* column, int* row);                     //  9
void gfx_text_get_size(int* columns, int* rows);                       // 10
void gfx_text_print(const char* text, int length, int flags);          // 11
void gfx_text_print_wide(const uint16_t* text, int length, int flags); // 12
char* gfx_text_line_input(char* buffer, int size);                     // 13

// --- hook slots 17, 18, 20, 21, 22 --------------------------------------------------------------

int gfx_port_in(uint16_t port);
int gfx_port_out(uint16_t port, uint8_t value);
int gfx_input_line(RtString* prompt, void* dest, int size, int kind, int question, int newline);
int gfx_input_line_wide(const uint16_t* prompt, uint16_t* dest, int size, int question,
                        int newline);
int gfx_screen_cell(int column, int row, int mode);

// --- cursor, view and box -----------------------------------------------------------------------

// Moves the cursor one cell back, to the end of the previous row from column 0.
void gfx_text_back_one();

// Stores the cursor row and column (0-based); a negative value keeps that coordinate, and a value
// beyond the text size is held to the last row or column.
void gfx_text_set_cursor(int row, int column);

// gfx_view, the graphics view, is public (qzgfx.h).

// Draws a box with ordered corners, filled or outlined in a 16-bit line style, clipped to the view.
void gfx_draw_box(int x1, int y1, int x2, int y2, uint32_t colour, int filled, int style);
