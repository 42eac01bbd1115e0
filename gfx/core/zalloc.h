// Zero-filled allocation for the screen's buffers, with overflow-safe sizes.
#pragma once

#include <cstddef>

// Allocates count * size zero bytes. Returns null when the product overflows, exceeds the largest
// block a framebuffer offset (an int) can address, or memory runs out.
void* gfx_zalloc(size_t count, size_t size);

// Test seam: when positive, the allocation with this ordinal (1 = the next one) fails and the
// counter stops; 0 leaves every allocation to the C library.
extern int gfx_zalloc_fail_at;
