// Keyboard and mouse input: the key buffer, key state sampling and the input hooks.
#pragma once

#include <cstdint>

#include "qzgfx.h"
#include "rt/string.h"

constexpr int KEY_BUFFER_SIZE = 16;
constexpr int CLOSE_KEY_CODE = 0x6BFF; // the window's close request, the same code as Alt+F4

// Appends a key code; when the ring is full the oldest entry is dropped. Takes no lock.
void gfx_post_key(int code);

// Removes and returns the oldest key code, or 0 when the buffer is empty.
int gfx_read_key();

// Puts a key code back in front of the ring, to be the next one read; when the ring is full the
// newest entry makes room.
void gfx_unread_key(int code);

// Returns whether a key was posted since the last call, and clears that mark.
int gfx_take_key_event();

// Turns a pressed key into a key code above 255, a character, or -1.
int translate_key(int character, int scancode, int virtual_key, uint32_t control_state);

// Fills the context's key_state from the platform's keyboard state through VK_SCAN_TABLE.
void sample_key_state();

// The input hooks installed while a screen is open (gfx_getkey, gfx_keyhit, gfx_getmouse and
// gfx_setmouse are qzgfx.h's).
RtString* gfx_inkey();
int gfx_multikey(int scancode);
void gfx_sleep(int ms);
