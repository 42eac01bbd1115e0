// The console print entry.
#include <cstdio>

#include "rt/console_state.h"
#include "rt/rt.h"

// Prints through slot 11 on a graphics screen, else writes the bytes to standard output at once
// and follows them with the console's bookkeeping. A null text or a negative length prints nothing
// but the line end that flags may ask for.
void rt_print(const char* text, int length, int flags) {
    if (rt_hooks.print) {
        rt_hooks.print(text, length, flags);
        return;
    }
    const uint32_t count = (text && length > 0) ? static_cast<uint32_t>(length) : 0;
    const bool newline = (flags & RT_PRINT_NEWLINE) != 0;
    if (count) {
        std::fwrite(text, 1, count, stdout);
    }
    if (newline) {
        std::fputc('\n', stdout);
    }
    std::fflush(stdout);
    rt_console_advance(text, count, newline);
}
