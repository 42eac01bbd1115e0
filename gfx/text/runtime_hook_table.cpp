// The graphics operations that take over the console runtime's statements while a screen is open,
// one row per hook slot; set-mode copies them into the runtime's table (gfx/core/runtime_hooks.h).
#include "gfx/core/runtime_hooks.h"
#include "gfx/input/input.h"

const RuntimeHooks GFX_RUNTIME_HOOKS = {
    gfx_inkey,       //  0
    gfx_getkey,      //  1
    gfx_keyhit,      //  2
    nullptr,         //  3 clear the screen
    nullptr,         //  4 text colours
    nullptr,         //  5 place the cursor
    nullptr,         //  6 text size
    nullptr,         //  7 cursor column
    nullptr,         //  8 cursor row
    nullptr,         //  9 cursor position
    nullptr,         // 10 text size query
    nullptr,         // 11 print
    nullptr,         // 12 print wide
    nullptr,         // 13 line input
    gfx_multikey,    // 14
    gfx_getmouse,    // 15
    gfx_setmouse,    // 16
    nullptr,         // 17 port in
    nullptr,         // 18 port out
    gfx_nop,         // 19
    nullptr,         // 20 input a line
    nullptr,         // 21 input a wide line
    nullptr,         // 22 text cell
    gfx_sleep,       // 23
    gfx_return_zero, // 24
};
