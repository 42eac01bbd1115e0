// The graphics operations that take over the console runtime's statements while a screen is open,
// one row per hook slot; set-mode copies them into the runtime's table (gfx/core/runtime_hooks.h).
#include "gfx/core/runtime_hooks.h"
#include "gfx/input/input.h"
#include "gfx/text/text.h"

const RuntimeHooks GFX_RUNTIME_HOOKS = {
    gfx_inkey,             //  0
    gfx_getkey,            //  1
    gfx_keyhit,            //  2
    gfx_text_cls,          //  3
    gfx_text_color,        //  4
    gfx_text_locate,       //  5
    gfx_text_width,        //  6
    gfx_text_get_column,   //  7
    gfx_text_get_row,      //  8
    gfx_text_get_position, //  9
    gfx_text_get_size,     // 10
    gfx_text_print,        // 11
    gfx_text_print_wide,   // 12
    gfx_text_line_input,   // 13
    gfx_multikey,          // 14
    gfx_getmouse,          // 15
    gfx_setmouse,          // 16
    gfx_port_in,           // 17
    gfx_port_out,          // 18
    gfx_nop,               // 19
    gfx_input_line,        // 20
    gfx_input_line_wide,   // 21
    gfx_screen_cell,       // 22
    gfx_sleep,             // 23
    gfx_return_zero,       // 24
};
