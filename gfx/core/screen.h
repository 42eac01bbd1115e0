// Opening, replacing and closing the graphics screen.
#pragma once

#include "gfx/core/context.h"
#include "gfx/core/types.h"
#include "qzgfx.h"

// The core of gfx_screen and gfx_screen_res: builds the context for info (null closes), installs the hooks, picks a driver.
int gfx_set_mode(const ScreenModeInfo* info, int mode, int depth, int num_pages, int refresh_rate,
                 int flags);

// Closes the screen at process exit; registered once with the C library's exit handlers.
void gfx_exit_hook();

// Frees the context's text pages and, when allocate is non-zero, makes fresh blank ones.
// Returns 0, or -1 when memory runs out (the context is then left without text pages).
int gfx_text_pages_reset(int allocate);

// Sets the cells x1 <= x < x2, y1 <= y < y2 of text page `page` to (code, fg, bg).
void gfx_text_fill_cells(int x1, int y1, int x2, int y2, int page, int code, uint32_t fg,
                         uint32_t bg);

constexpr int GFX_TITLE_SIZE = 128;

// The window title: at most 127 characters, always zero-terminated; outlives screens.
extern char gfx_title[GFX_TITLE_SIZE];
