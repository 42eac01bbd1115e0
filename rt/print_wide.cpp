// The wide print statement.
#include <cstddef>
#include <vector>

#include "rt/rt.h"

// Prints through slot 12 on a graphics screen; on the console the text is narrowed to bytes
// (rt_narrow_wide) and printed.
void rt_print_wide(const uint16_t* text, int length, int flags) {
    if (rt_hooks.print_wide) {
        rt_hooks.print_wide(text, length, flags);
        return;
    }
    if (!text || length < 0) {
        length = 0;
    }
    std::vector<char> bytes(static_cast<size_t>(length) + 1);
    const int n = rt_narrow_wide(text, length, bytes.data());
    rt_print(bytes.data(), n, flags);
}
