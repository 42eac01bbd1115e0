// The console's platform side natively: a terminal keeps its own size and cursor, so only the
// beep and waiting for a key reach it.
#include <cstdio>

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
