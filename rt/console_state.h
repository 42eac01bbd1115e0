// The console's own bookkeeping shared between the geometry statements and the print entry.
#pragma once

#include <cstdint>

// Moves the console's cursor and output column over length printed bytes of text, then over a
// line end when newline is set: wrapping at the console's width and scrolling at the bottom of the
// text view, as the console itself does when the bytes are written.
void rt_console_advance(const char* text, uint32_t length, bool newline);
