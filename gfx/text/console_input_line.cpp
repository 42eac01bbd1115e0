// The input statement with a prompt, on a graphics screen. The steps are the runtime's own
// (prompt, line editor, assignment); on a graphics screen its print and line editor come back
// here through the print and line-input hook slots.
#include "gfx/text/text.h"
#include "rt/rt.h"

// Reads a prompted line into a byte string: 0, or runtime error 4 when no line was read.
int gfx_input_line(RtString* prompt, void* dest, int size, int kind, int question, int newline) {
    return rt_read_prompted_line(prompt, dest, size, kind, question, newline);
}

// Reads a prompted line into a wide buffer: 0, or runtime error 4 when no line was read.
int gfx_input_line_wide(const uint16_t* prompt, uint16_t* dest, int size, int question,
                        int newline) {
    return rt_read_prompted_line_wide(prompt, dest, size, question, newline);
}
