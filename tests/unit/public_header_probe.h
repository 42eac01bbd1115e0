// What a translation unit that sees only the public header qzgfx.h reports to the tests.
#pragma once

#include <vector>

// The public header's constants, in the order public_header_test.cpp lists the library's own.
std::vector<int> public_header_constants();

// Opens a windowless mode-13 screen through the public header alone and checks its geometry.
// Returns 0, or the step that failed (1 and up).
int public_header_open_screen();

// Draws a diagonal on the open screen through the public header: pixel (i, i) = i + 1 for i < 64,
// then marks rows 0..63. Returns 0, or 1 when the screen could not be locked.
int public_header_draw_diagonal();
