// The graphics operations that take over the console runtime's statements while a screen is open,
// one row per hook slot; set-mode copies them into the runtime's table (gfx/core/runtime_hooks.h).
#include "gfx/core/runtime_hooks.h"
#include "gfx/input/input.h"
#include "gfx/text/text.h"

const RuntimeHooks GFX_RUNTIME_HOOKS = {
    .inkey = gfx_inkey,
    .getkey = gfx_getkey,
    .keyhit = gfx_keyhit,
    .cls = gfx_text_cls,
    .color = gfx_text_color,
    .locate = gfx_text_locate,
    .width = gfx_text_width,
    .get_column = gfx_text_get_column,
    .get_row = gfx_text_get_row,
    .get_position = gfx_text_get_position,
    .get_size = gfx_text_get_size,
    .print = gfx_text_print,
    .print_wide = gfx_text_print_wide,
    .line_input = gfx_text_line_input,
    .multikey = gfx_multikey,
    .getmouse = gfx_getmouse,
    .setmouse = gfx_setmouse,
    .port_in = gfx_port_in,
    .port_out = gfx_port_out,
    .view_update = gfx_nop,
    .input_line = gfx_input_line,
    .input_line_wide = gfx_input_line_wide,
    .screen_cell = gfx_screen_cell,
    .sleep = gfx_sleep,
    .reserved = gfx_return_zero,
};
