// Installing and clearing the graphics operations in the runtime's hook table, and the two slot
// operations that need nothing but the table itself.
#include "gfx/core/runtime_hooks.h"

// Copies the graphics operations into the runtime's hook table.
void gfx_install_hooks() { rt_hooks = GFX_RUNTIME_HOOKS; }

// Empties the runtime's hook table.
void gfx_clear_hooks() { rt_hooks = RuntimeHooks{}; }

// Does nothing: a graphics screen keeps no console view bookkeeping.
void gfx_nop() {}

// Answers 0 for the slot that no statement consults.
int gfx_return_zero() { return 0; }
