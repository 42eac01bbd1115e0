// The small console runtime that programs start with and that the graphics library plugs into.
//
// Everything here works without a graphics screen. While a screen is open, the statements below
// that have a hook slot call the graphics library instead (see rt/hooks.h).
#pragma once

#include <cstdint>

#include "rt/hooks.h"
#include "rt/string.h"

// --- errors -------------------------------------------------------------------------------------

constexpr int RT_ERR_NONE = 0;
constexpr int RT_ERR_ILLEGAL_CALL = 1; // invalid argument, or no screen open
constexpr int RT_ERR_NO_LINE = 4;      // line input found no line

// Records err as the last runtime error and returns it, so that callers can `return rt_set_error(e)`.
int rt_set_error(int err);

// The last error recorded by rt_set_error.
int rt_last_error();

// --- start-up -----------------------------------------------------------------------------------

// Runs the runtime's start-up: keeps the arguments, sets the floating-point unit to round to
// nearest with ties to even, and prepares the console.
void rt_start(int argc, char** argv);

// The argument count and vector kept by rt_start (0 and null before it ran).
int rt_argc();
char** rt_argv();

// --- console geometry ---------------------------------------------------------------------------
// Placing the cursor, setting the size and reading either back are console statements too: they
// call hook slots 5, 6, 9 and 10 when those are set, so the graphics routines in those slots must
// not call them back (they tell the console their column with rt_set_output_column instead).
// Setting the text view calls slot 19 after it; the output column and the view have no slot.

// Sets and reads the column at which the next console output starts (0-based); a negative column
// is refused with runtime error 1.
void rt_set_output_column(int column);
int rt_output_column();

// Sets the console's size in columns and rows (0 or less keeps that dimension), and reads it back.
// The cursor is kept inside the new size; a text view that no longer fits becomes the whole console.
void rt_set_console_size(int columns, int rows);
void rt_console_size(int* columns, int* rows);

// Sets the text view to rows top..bottom (1-based, inclusive); 0, 0 means the whole console.
// Reading it back gives 0, 0 while the view is the whole console, whatever its size.
// Any other pair with top < 1 or bottom < top is refused with runtime error 1 and changes nothing.
void rt_set_view_rows(int top, int bottom);
void rt_view_rows(int* top, int* bottom);

// Places the console cursor at row, column (1-based; 0 or less keeps that coordinate, a value
// beyond the console's size is clamped to it) and moves the output column there; reads it back.
void rt_locate(int row, int column);
void rt_cursor(int* row, int* column);

// Sounds the console's beep.
void rt_beep();

// --- console statements (consult their hook slot first) ------------------------------------------

// Prints length bytes of text; flags bit 0 ends the line, bit 3 runs even for an empty text.
void rt_print(const char* text, int length, int flags);

// Reads one line of up to size - 1 bytes into buffer with the console's line editor.
// Returns buffer, or null when no line could be read.
char* rt_line_input(char* buffer, int size);

// Sleeps for ms milliseconds (-1: until a key arrives on a graphics screen).
void rt_sleep(int ms);

// Whether the key with this PC scancode is down: -1 when down, 0 otherwise.
int rt_multikey(int scancode);

// Prints length 16-bit characters through slot 12 on a graphics screen; on the console each unit
// below 256 is that byte and any other is "?", a surrogate pair being one character.
void rt_print_wide(const uint16_t* text, int length, int flags);

// Narrows 16-bit text and hands it to print in pieces of a fixed size, so that no length needs
// memory of its own; a surrogate pair is never split between pieces, and flags bit 0 (the line
// end) goes with the last piece only.
void rt_print_wide_through(void (*print)(const char* text, int length, int flags),
                           const uint16_t* text, int length, int flags);

// Clears the screen (slot 3): mode 0, 1, 2, or RT_CLS_OMITTED. The console clears itself whatever
// the mode and puts the cursor at the top of its text view.
void rt_cls(int mode);

// Sets the text colours (slot 4); -1 keeps one. Returns the previous foreground | background << 16.
int rt_color(int fg, int bg);

// The cursor's column and row, 1-based (slots 7 and 8).
int rt_cursor_column();
int rt_cursor_row();

// Reads and writes an emulated I/O port (slots 17 and 18); the console emulates none: -1.
int rt_port_in(uint16_t port);
int rt_port_out(uint16_t port, uint8_t value);

// The character (mode 0) or colours of the text cell at a 1-based column and row (slot 22);
// 0 where there is nothing to read.
int rt_screen_cell(int column, int row, int mode);

// The input statement (slot 20): prints the prompt (when it has text), "? " when question is set
// and a prompt is given, reads one line with the line editor, prints the line end when newline is
// set, and stores the line in dest (see rt_string_store). Returns 0, or runtime error 4 when no
// line was read (dest unchanged). A temporary prompt is released.
int rt_input(RtString* prompt, void* dest, int size, int kind, int question, int newline);

// The same into a buffer of size 16-bit units, with a zero-terminated wide prompt (slot 21).
int rt_input_wide(const uint16_t* prompt, uint16_t* dest, int size, int question, int newline);

// The steps of rt_input and rt_input_wide without the hook: used by the console and by the
// graphics screen's own input statements, whose prints and line editor go through the hooks.
int rt_read_prompted_line(RtString* prompt, void* dest, int size, int kind, int question,
                          int newline);
int rt_read_prompted_line_wide(const uint16_t* prompt, uint16_t* dest, int size, int question,
                               int newline);

// rt_cls's omitted mode; the public header qzgfx.h defines the same block under the same guard.
#ifndef QZGFX_CLS_OMITTED_DEFINED
#define QZGFX_CLS_OMITTED_DEFINED
constexpr int RT_CLS_OMITTED = -65536;
#endif

// rt_print's flags; the public header qzgfx.h defines the same block under the same guard.
#ifndef QZGFX_PRINT_FLAGS_DEFINED
#define QZGFX_PRINT_FLAGS_DEFINED
constexpr int RT_PRINT_NEWLINE = 0x1;
constexpr int RT_PRINT_EVEN_IF_EMPTY = 0x8;
#endif

// --- timer and random numbers -------------------------------------------------------------------

// Seconds since an arbitrary origin, from the best clock the platform has.
double timer_seconds();

// Seeds the generator with seconds truncated to a 32-bit integer, then discards one value.
void seed_random(double seconds);

// A random number in [0, 32767/32768] with 15 bits of resolution.
double random_unit();
