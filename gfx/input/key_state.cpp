// The per-scancode pressed flags: sampled from the platform keyboard, read by multikey.
#include "gfx/core/context.h"
#include "gfx/input/input.h"
#include "gfx/input/keyboard_seam.h"
#include "rt/vk_scan_table.h"

// Rewrites the key_state byte of every scancode in VK_SCAN_TABLE from the keyboard state.
// Runs on the thread that owns the window: on a software screen the display thread, inside its
// pass and holding the window lock; on an OpenGL screen the program's own thread, from the flip,
// where no lock is held because there is no other thread. A keyboard state the platform cannot
// give leaves key_state as it was.
void sample_key_state() {
    GfxContext* ctx = gfx_context;
    if (!ctx || !ctx->key_state) {
        return;
    }
    uint8_t keys[KEYBOARD_STATE_SIZE];
    if (!keyboard_state(keys)) {
        return;
    }
    for (const VkScanRow* row = VK_SCAN_TABLE; row->scancode != 0; ++row) {
        const bool down = (keys[row->vk1] & 0x80) || (row->vk2 != 0 && (keys[row->vk2] & 0x80));
        ctx->key_state[row->scancode & 0x7F] = down ? 1 : 0;
    }
}

// -1 while the key with this scancode is down, else 0 (also without a screen or for a scancode
// outside 0 .. 127).
int gfx_multikey(int scancode) {
    GfxContext* ctx = gfx_context;
    if (!ctx || !ctx->key_state || scancode < 0 || scancode > 127) {
        return 0;
    }
    GfxLockGuard lock(ctx);
    return ctx->key_state[scancode] ? -1 : 0;
}
