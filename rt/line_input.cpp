// The console line editor.
#include <cstring>

#include "rt/console_state.h"
#include "rt/line_reader.h"
#include "rt/rt.h"

namespace {

// Drops the Enter that a graphics screen's line editor keeps at the end of its line, so that both
// editors give the line alone.
// Only a line in the caller's buffer, ended within its size, is touched.
void drop_carriage_return(char* line, char* buffer, int size) {
    if (!line || line != buffer || size < 1) {
        return;
    }
    const void* end = std::memchr(line, '\0', static_cast<size_t>(size));
    if (!end) {
        return;
    }
    const size_t n = static_cast<size_t>(static_cast<const char*>(end) - line);
    if (n > 0 && line[n - 1] == '\r') {
        line[n - 1] = '\0';
    }
}

} // namespace

// Reads one line through slot 13 on a graphics screen (without the Enter it keeps); on the console, from standard input, where
// the terminal or the Windows console does the editing, and the cursor moves to the next line.
// A null buffer or a size below 1 is refused with runtime error 1.
char* rt_line_input(char* buffer, int size) {
    if (rt_hooks.line_input) {
        char* line = rt_hooks.line_input(buffer, size);
        drop_carriage_return(line, buffer, size);
        return line;
    }
    if (!buffer || size < 1) {
        rt_set_error(RT_ERR_ILLEGAL_CALL);
        return nullptr;
    }
    char* line = rt_read_line(stdin, buffer, size);
    if (line) {
        rt_console_advance(nullptr, 0, true);
    }
    return line;
}
