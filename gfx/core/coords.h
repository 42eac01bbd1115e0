// Coordinate routines shared by the drawing operations.
#pragma once

// Maps logical coordinates to pixels through the window coordinates and the view.
void gfx_map_coords(float x, float y, int* px, int* py);

// Resolves relative coordinates of a drawing statement; x2 and y2 may be null.
void gfx_resolve_step(int kind, float* x1, float* y1, float* x2, float* y2);

// Orders a rectangle's corners so that x1 <= x2 and y1 <= y2.
void gfx_order_rect(int* x1, int* y1, int* x2, int* y2);
