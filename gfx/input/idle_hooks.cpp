// The two hook slots that have nothing to do on a graphics screen.
#include "gfx/input/input.h"

// The console's view bookkeeping: a graphics screen keeps none.
void gfx_nop() {}

// The slot no statement consults: answers 0.
int gfx_return_zero() { return 0; }
