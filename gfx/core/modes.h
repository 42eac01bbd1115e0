// The numbered screen modes.
#pragma once

#include "gfx/core/types.h"

constexpr int MODE_COUNT = 22; // rows 0..21; row 0 is never used (mode 0 closes the screen)

// Mode table indexed by mode number; rows 0 and 3..6 have width -1.
extern const ScreenModeInfo MODE_TABLE[MODE_COUNT];
