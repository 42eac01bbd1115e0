// The graphics library's side of the runtime hook table.
#pragma once

#include "rt/hooks.h"

// The operations a graphics screen puts into the runtime's 25 hook slots. Its rows are the text and
// input operations, so it is defined beside them (gfx/text/).
extern const RuntimeHooks GFX_RUNTIME_HOOKS;

// Points every runtime hook slot at its graphics operation.
void gfx_install_hooks();

// Sets every runtime hook slot to null, giving the statements back to the console.
void gfx_clear_hooks();

// Hook slot 19: the console's view bookkeeping has nothing to do on a graphics screen.
void gfx_nop();

// Hook slot 24: answers 0.
int gfx_return_zero();
