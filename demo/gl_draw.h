// A 2D pixel canvas on OpenGL: the screen set-up, clearing, and one-quad drawing operations.
//
// Coordinates are pixels with (0, 0) at the top-left corner and y growing downwards; z runs from
// -128 to 128, larger being nearer. Every operation translates to its quad's position, emits one
// quad in the order bottom-left, bottom-right, top-right, top-left, and resets the modelview
// matrix. None of them sets colour, blending or depth state.
#pragma once

#include "demo/texture.h"

// Opens the OpenGL screen and sets a top-left-origin orthographic projection with depth testing,
// back-face culling and an alpha test that discards fully transparent fragments.
void init_gl_screen(int width, int height, int depth, int flags);

// Clears the colour and depth buffers.
void clear_screen();

// The whole texture at its own size, top-left corner at (x, y).
void draw_texture(const Texture& texture, int x, int y, int z);

// As draw_texture, the picture upside down.
void draw_texture_flipped(const Texture& texture, int x, int y, int z);

// The texel rectangle (sx1, sy1)-(sx2, sy2), counted from the picture's top-left, at its own size.
void draw_texture_region(const Texture& texture, int x, int y, int z, int sx1, int sy1, int sx2,
                         int sy2);

// The texel rectangle (sx1, sy1)-(sx2, sy2) stretched over the quad (x1, y1)-(x2, y2).
void draw_texture_region_scaled(const Texture& texture, int x1, int y1, int x2, int y2, int z,
                                int sx1, int sy1, int sx2, int sy2);

// Cell number frame (from 1, row by row from the top-left) of a grid over the texture.
void draw_texture_cell(const Texture& texture, int frame, int cell_width, int cell_height, int x,
                       int y, int z);

// As draw_texture_cell, the cell upside down.
void draw_texture_cell_flipped(const Texture& texture, int frame, int cell_width, int cell_height,
                               int x, int y, int z);

// An untextured quad |x2 - x1| by |y2 - y1| extending right and down from (x1, y1).
void draw_rect(int x1, int y1, int x2, int y2, int z);

// An untextured w by h quad centred on (x, y).
void draw_centered_rect(int x, int y, int z, int w, int h);

// A w by h quad at (x, y) with the whole currently bound texture.
void draw_textured_quad(int x, int y, int z, int w, int h);
