// Filling runs of pixels with one colour at the speed of the widest stores the processor has, for
// the drawing operations whose spans are long (boxes, filled circles, flood fill).
#pragma once

#include <cstddef>
#include <cstdint>

// Fills count pixels of `bytes` bytes each (1, 2 or 4) from dest on with colour (its low bytes).
void fill_pixels(uint8_t* dest, uint32_t colour, size_t count, int bytes);
