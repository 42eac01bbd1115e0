// The console's platform side natively: a terminal keeps its own size and cursor, so only the
// beep and waiting for a key reach it.
#include <cstdio>

#include <unistd.h>

#include "rt/platform.h"

// A terminal's size is its own; the runtime only keeps the numbers.
void rt_platform_console_resize(int, int) {}

// The terminal's cursor follows what is written; the runtime only keeps the numbers.
void rt_platform_console_move_cursor(int, int) {}

// Writes the bell character, which the terminal sounds.
void rt_platform_beep() {
    std::fputc('\a', stdout);
    std::fflush(stdout);
}

// Waits for the next byte of standard input (a terminal delivers it when a line is entered).
void rt_platform_wait_key() { std::fgetc(stdin); }

// A terminal is cleared with the ANSI sequence when standard output is one; otherwise there is
// nothing to clear.
void rt_platform_console_clear() {
    if (isatty(STDOUT_FILENO)) {
        std::fputs("\x1b[2J\x1b[H", stdout);
        std::fflush(stdout);
    }
}

// The terminal's colours are its own; the runtime only keeps the numbers.
void rt_platform_console_colour(int, int) {}

// A terminal cannot be read back.
int rt_platform_console_cell(int, int, int) { return 0; }
