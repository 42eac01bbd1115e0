// Zero-filled allocation for the screen's buffers, with overflow-safe sizes.
#pragma once

#include <cstddef>

// Allocates count * size zero bytes. Returns null when the product overflows, exceeds the largest
// block a framebuffer offset (an int) can address, or memory runs out.
void* gfx_zalloc(size_t count, size_t size);
