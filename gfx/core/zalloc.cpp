// Zero-filled allocation for the screen's buffers, with overflow-safe sizes.
#include "gfx/core/zalloc.h"

#include <climits>
#include <cstdlib>

#include "gfx/core/test_seams.h"

int gfx_zalloc_fail_at = 0;

// Allocates count * size zero bytes, refusing sizes that overflow or exceed INT_MAX bytes.
void* gfx_zalloc(size_t count, size_t size) {
    if (gfx_zalloc_fail_at > 0 && --gfx_zalloc_fail_at == 0) {
        return nullptr;
    }
    if (count == 0 || size == 0) {
        count = 1;
        size = 1;
    }
    if (count > static_cast<size_t>(INT_MAX) / size) {
        return nullptr;
    }
    return std::calloc(count, size);
}
