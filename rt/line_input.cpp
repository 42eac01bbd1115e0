// The console line editor.
#include <cstdio>
#include <cstring>

#include "rt/console_state.h"
#include "rt/rt.h"

namespace {

// Drops the rest of an input line that did not fit, so the next read starts on a new line.
void discard_rest_of_line() {
    int c = 0;
    while ((c = std::fgetc(stdin)) != EOF && c != '\n') {
    }
}

} // namespace

// Reads one line through slot 13 on a graphics screen; on the console, from standard input, where
// the terminal or the Windows console does the editing. The line end is not kept, and the part of
// a line beyond size - 1 bytes is dropped. A null buffer or a size below 1 is refused with runtime
// error 1.
char* rt_line_input(char* buffer, int size) {
    if (rt_hooks.line_input) {
        return rt_hooks.line_input(buffer, size);
    }
    if (!buffer || size < 1) {
        rt_set_error(RT_ERR_ILLEGAL_CALL);
        return nullptr;
    }
    if (size == 1) {
        const int c = std::fgetc(stdin);
        if (c == EOF) {
            return nullptr;
        }
        if (c != '\n') {
            discard_rest_of_line();
        }
        buffer[0] = '\0';
        rt_console_advance(nullptr, 0, true);
        return buffer;
    }
    if (!std::fgets(buffer, size, stdin)) {
        return nullptr;
    }
    size_t n = std::strlen(buffer);
    const bool whole_line = n > 0 && buffer[n - 1] == '\n';
    if (whole_line) {
        buffer[--n] = '\0';
        if (n > 0 && buffer[n - 1] == '\r') {
            buffer[--n] = '\0';
        }
    } else if (!std::feof(stdin)) {
        discard_rest_of_line();
    }
    rt_console_advance(nullptr, 0, true);
    return buffer;
}
