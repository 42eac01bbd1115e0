// The small console runtime that programs start with and that the graphics library plugs into.
//
// Everything here works without a graphics screen. While a screen is open, the statements below
// that have a hook slot call the graphics library instead (see rt/hooks.h).
#pragma once

#include <cstdint>

#include "qzgfx.h"
#include "rt/hooks.h"
#include "rt/string.h"

// --- errors -------------------------------------------------------------------------------------

constexpr int RT_ERR_NONE = 0;
constexpr int RT_ERR_ILLEGAL_CALL = 1; // invalid argument, or no screen open
constexpr int RT_ERR_NO_LINE = 4;      // line input found no line

// Records err as the last runtime error and returns it, so that callers can `return rt_set_error(e)`.
int rt_set_error(int err);

// --- start-up -----------------------------------------------------------------------------------
// rt_start (qzgfx.h) keeps the arguments, sets the floating-point unit to round to nearest with
// ties to even, and prepares the console.

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

// On the console, rt_set_console_size keeps the cursor inside the new size and a text view that
// no longer fits becomes the whole console; rt_set_view_rows refuses any pair other than 0, 0
// with top < 1 or bottom < top (runtime error 1, nothing changes); rt_locate clamps a value beyond
// the console's size and moves the output column there.

// Sounds the console's beep.
void rt_beep();

// --- console statements (consult their hook slot first) ------------------------------------------
// The statements of qzgfx.h (rt_print, rt_line_input, rt_sleep, rt_multikey, rt_cls, rt_color,
// the cursor queries, the ports, rt_screen_cell and rt_input) call their hook slot when it is
// set; the console emulates no port (-1).

// Prints length 16-bit characters through slot 12 on a graphics screen; on the console each unit
// below 256 is that byte and any other is "?", a surrogate pair being one character.
void rt_print_wide(const uint16_t* text, int length, int flags);

// Narrows 16-bit text and hands it to print in pieces of a fixed size, so that no length needs
// memory of its own; a surrogate pair is never split between pieces, and flags bit 0 (the line
// end) goes with the last piece only.
void rt_print_wide_through(void (*print)(const char* text, int length, int flags),
                           const uint16_t* text, int length, int flags);

// The input statement into a buffer of size 16-bit units, with a zero-terminated wide prompt (slot 21).
int rt_input_wide(const uint16_t* prompt, uint16_t* dest, int size, int question, int newline);

// The steps of rt_input and rt_input_wide without the hook: used by the console and by the
// graphics screen's own input statements, whose prints and line editor go through the hooks.
int rt_read_prompted_line(RtString* prompt, void* dest, int size, int kind, int question,
                          int newline);
int rt_read_prompted_line_wide(const uint16_t* prompt, uint16_t* dest, int size, int question,
                               int newline);

// --- timer and random numbers -------------------------------------------------------------------
// timer_seconds, seed_random and random_unit are declared in qzgfx.h.
