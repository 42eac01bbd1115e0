// Row routines of gfx_put: one row of an image drawn over one row of the target in a put mode.
#pragma once

#include <cstdint>

#include "gfx/core/cpu_isa.h"

// What a row routine needs besides the pixels.
struct PutArgs {
    uint32_t mask; // bits a pixel of the target's depth holds (results are masked to them)
    int alpha;     // GFX_PUT_ALPHA: -1 for each pixel's top byte, else 0..255 for all
};

// Draws count pixels of src over dst; true when any pixel was written (false only when every
// pixel was skipped, as mask colours are in GFX_PUT_TRANSPARENT or alpha 0 in GFX_PUT_ALPHA).
using PutRowFn = bool (*)(uint8_t* dst, const uint8_t* src, int count, const PutArgs& args);

// The plain routine of a put mode for pixels of bytes_per_pixel (1, 2 or 4) bytes; null for an
// unknown mode, and for GFX_PUT_ALPHA below 4 bytes.
PutRowFn put_row_scalar(int mode, int bytes_per_pixel);

// The fastest routine the processor allows at level isa: the vector routines of the transparent
// and alpha modes, else the plain one.
PutRowFn put_row_routine(int mode, int bytes_per_pixel, CpuIsa isa);

// The vector routines (x86 only; null elsewhere or for modes without one).
PutRowFn put_row_sse2(int mode, int bytes_per_pixel);
PutRowFn put_row_avx2(int mode, int bytes_per_pixel);
