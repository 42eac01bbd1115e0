// The wide print statement.
#include "rt/rt.h"
#include "rt/string.h"

namespace {

constexpr int PIECE_UNITS = 256;

// Whether a 16-bit unit opens a surrogate pair.
constexpr bool is_high_surrogate(uint16_t u) { return u >= 0xD800 && u <= 0xDBFF; }

} // namespace

// Prints through slot 12 on a graphics screen; on the console the text is narrowed to bytes
// (rt_narrow_wide) and printed.
void rt_print_wide(const uint16_t* text, int length, int flags) {
    if (rt_hooks.print_wide) {
        rt_hooks.print_wide(text, length, flags);
        return;
    }
    rt_print_wide_through(rt_print, text, length, flags);
}

// Narrows up to PIECE_UNITS units at a time into a buffer on the stack; a piece that would end on
// the first half of a pair ends one unit earlier, so the pair goes whole into the next piece.
void rt_print_wide_through(void (*print)(const char* text, int length, int flags),
                           const uint16_t* text, int length, int flags) {
    if (!text || length < 0) {
        length = 0;
    }
    char bytes[PIECE_UNITS + 1];
    int done = 0;
    do {
        int take = length - done < PIECE_UNITS ? length - done : PIECE_UNITS;
        if (done + take < length && is_high_surrogate(text[done + take - 1])) {
            --take;
        }
        const int n = rt_narrow_wide(text + done, take, bytes);
        done += take;
        print(bytes, n, done < length ? flags & ~RT_PRINT_NEWLINE : flags);
    } while (done < length);
}
