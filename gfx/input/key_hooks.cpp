// The runtime's key statements on a graphics screen: inkey and getkey.
#include "gfx/core/context.h"
#include "gfx/input/input.h"
#include "rt/rt.h"

// The next key as a temporary string: empty for none, one character for a character code,
// character 255 and the extended code for an extended key.
RtString* gfx_inkey() {
    if (!gfx_context) {
        return rt_string_temp("", 0);
    }
    const int code = gfx_read_key();
    char text[2];
    int length = 0;
    if (code > 255) {
        text[0] = static_cast<char>(0xFF);
        text[1] = static_cast<char>((code >> 8) & 0xFF);
        length = 2;
    } else if (code > 0) {
        text[0] = static_cast<char>(code);
        length = 1;
    }
    return rt_string_temp(text, length);
}

// Waits for the next key code, sleeping 20 ms through the runtime after every attempt (also the
// one that found a key); 0 without a screen.
int gfx_getkey() {
    if (!gfx_context) {
        return 0;
    }
    int code;
    do {
        code = gfx_read_key();
        rt_sleep(20);
    } while (code == 0);
    return code;
}
