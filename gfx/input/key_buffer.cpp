// The process-wide ring of key codes that the window procedure fills and the key queries empty.
#include "gfx/core/context.h"
#include "gfx/input/input.h"

namespace {
int32_t key_buffer[KEY_BUFFER_SIZE];
int32_t key_write = 0; // next slot to write
int32_t key_read = 0;  // oldest unread slot; equal to key_write when empty
int32_t key_event = 0; // set by every post, taken by gfx_take_key_event
} // namespace

// Appends a code; a post that would fill the ring drops the oldest entry so that it never
// looks empty. The caller (the window procedure) already runs under the driver lock.
void gfx_post_key(int code) {
    key_buffer[key_write] = code;
    key_write = (key_write + 1) & (KEY_BUFFER_SIZE - 1);
    if (key_write == key_read) {
        key_read = (key_write + 1) & (KEY_BUFFER_SIZE - 1);
    }
    key_event = 1;
}

// Takes the oldest code out of the ring (0 when empty) and clears the key event with it.
int gfx_read_key() {
    GfxLockGuard lock(gfx_context);
    int code = 0;
    if (key_read != key_write) {
        code = key_buffer[key_read];
        key_read = (key_read + 1) & (KEY_BUFFER_SIZE - 1);
    }
    gfx_take_key_event();
    return code;
}

// Steps the read slot back over the code; a ring that would then look empty (it was full) loses
// its newest entry instead.
void gfx_unread_key(int code) {
    GfxLockGuard lock(gfx_context);
    key_read = (key_read - 1) & (KEY_BUFFER_SIZE - 1);
    if (key_read == key_write) {
        key_write = (key_write - 1) & (KEY_BUFFER_SIZE - 1);
    }
    key_buffer[key_read] = code;
}

// Reports whether a key was posted since the last take, and clears the mark.
int gfx_take_key_event() {
    GfxLockGuard lock(gfx_context);
    const int event = key_event;
    key_event = 0;
    return event;
}

// Whether a code is waiting; neither the ring nor the key event changes.
int gfx_keyhit() {
    GfxLockGuard lock(gfx_context);
    return key_read != key_write ? 1 : 0;
}
