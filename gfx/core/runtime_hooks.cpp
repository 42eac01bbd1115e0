// The graphics operations that take over the console runtime's statements while a screen is open.
#include "gfx/core/runtime_hooks.h"

#include "gfx/input/input.h"

// Does nothing: a graphics screen keeps no console view bookkeeping.
void gfx_nop() {}

// Answers 0 for the slot that no statement consults.
int gfx_return_zero() { return 0; }

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

// Copies the graphics operations into the runtime's hook table.
void gfx_install_hooks() { rt_hooks = GFX_RUNTIME_HOOKS; }

// Empties the runtime's hook table.
void gfx_clear_hooks() { rt_hooks = RuntimeHooks{}; }
