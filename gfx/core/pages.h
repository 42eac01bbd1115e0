// Page operations and the window title.
#pragma once

#include "gfx/core/types.h"
#include "qzgfx.h"
#include "rt/string.h"

// Copies page src to page dst (negative: work page / visible page) and presents the frame.
void gfx_flip(int src_page, int dst_page);

// Chooses the work and the visible page; a negative argument leaves that choice alone.
void gfx_screen_set(int work_page, int visible_page);

// Waits for the vertical retrace. 0, or runtime error 1 when no screen is open.
int gfx_screen_sync();

// Sets the title of the current window and of windows opened later; releases a temporary title.
void gfx_window_title(RtString* title);

// gfx_set_target, which redirects drawing into an image, is public (qzgfx.h).

// Whether an image may become the drawing target of a screen of depth; installed by the image
// layer when it makes its first image (null until then: every image is taken).
using ImageTargetCheck = bool (*)(const ImageBuffer* image, int depth);
extern ImageTargetCheck gfx_image_target_check;
