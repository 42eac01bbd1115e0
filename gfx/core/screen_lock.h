// Direct access to the framebuffer for a program's own drawing.
#pragma once

#include <cstdint>

// Takes the screen's lock for the program and returns the first byte of the work page, whose rows
// lie gfx_screen_info's pitch bytes apart; null without a screen. Until gfx_screen_unlock the
// library's own operations find the lock held and neither take nor give it back.
uint8_t* gfx_screen_lock();

// Marks framebuffer rows first..last (clamped to the screen) as changed when the work page is the
// one shown, then gives back the lock that gfx_screen_lock took.
void gfx_screen_unlock(int first_row, int last_row);

// The open screen's width and height in pixels, depth in bits and bytes per framebuffer row; any
// pointer may be null. 0, or runtime error 1 without a screen (the outputs are then 0).
int gfx_screen_info(int* width, int* height, int* depth, int* pitch);
