// Reading one console line from a stream: the console side of the line editor.
#pragma once

#include <cstdio>

// Reads one line from in into buffer (size >= 1): at most size - 1 bytes are kept, the rest of a
// longer line is dropped, and the line end (LF or CR LF) is not kept. Returns buffer, or null at
// the end of input with no line, leaving buffer as it was.
char* rt_read_line(std::FILE* in, char* buffer, int size);
