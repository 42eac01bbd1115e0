// The console line editor.
#include "rt/console_state.h"
#include "rt/line_reader.h"
#include "rt/rt.h"

// Reads one line through slot 13 on a graphics screen; on the console, from standard input, where
// the terminal or the Windows console does the editing, and the cursor moves to the next line.
// A null buffer or a size below 1 is refused with runtime error 1.
char* rt_line_input(char* buffer, int size) {
    if (rt_hooks.line_input) {
        return rt_hooks.line_input(buffer, size);
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
