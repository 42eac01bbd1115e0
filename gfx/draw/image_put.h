// Rectangle routines of gfx_put: the visible part of an image drawn over the target in a put
// mode, one routine per mode and pixel size, with the row loop and the pixel work inlined.
#pragma once

#include <cstddef>
#include <cstdint>

#include "gfx/core/cpu_isa.h"

// What a routine needs besides the pixels.
struct PutArgs {
    uint32_t mask; // bits a pixel of the target's depth holds (results are masked to them)
    int alpha;     // GFX_PUT_ALPHA: -1 for each pixel's top byte, else 0..255 for all
};

// The part of an image to draw and where it goes.
struct PutRect {
    uint8_t* const* rows; // target row pointers, from the first covered row on
    std::size_t x_bytes;  // bytes from a target row's start to the first covered pixel
    const uint8_t* src;   // the image's first visible pixel
    std::size_t src_pitch;
    int count;  // pixels per row
    int height; // rows
    PutArgs args;
    uint8_t* written; // null, or one flag per row set to 1 where a pixel was written
};

// Draws the rectangle. A row counts as written unless every pixel in it was skipped (the mask
// colour in GFX_PUT_TRANSPARENT, alpha 0 in GFX_PUT_ALPHA).
using PutRectFn = void (*)(const PutRect& rect);

// The plain routine of a put mode for pixels of bytes_per_pixel (1, 2 or 4) bytes; null for an
// unknown mode, and for GFX_PUT_ALPHA below 4 bytes.
PutRectFn put_rect_scalar(int mode, int bytes_per_pixel);

// The fastest routine at vector level isa: the vector routines of the transparent and alpha
// modes, else the plain one.
PutRectFn put_rect_routine(int mode, int bytes_per_pixel, CpuIsa isa);

// The vector routines (x86 only; null elsewhere or for modes without one).
PutRectFn put_rect_sse2(int mode, int bytes_per_pixel);
PutRectFn put_rect_avx2(int mode, int bytes_per_pixel);

// Runs a row routine over every row of the rectangle, recording the rows written.
template <bool (*ROW)(uint8_t* dst, const uint8_t* src, int count, const PutArgs& args)>
void put_rect_rows(const PutRect& r) {
    const uint8_t* src = r.src;
    for (int y = 0; y < r.height; ++y, src += r.src_pitch) {
        if (ROW(r.rows[y] + r.x_bytes, src, r.count, r.args) && r.written) {
            r.written[y] = 1;
        }
    }
}
