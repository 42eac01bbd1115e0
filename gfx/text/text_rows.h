// Row bookkeeping shared by the text operations: the text view's rows and dirty marking.
#pragma once

#include "gfx/core/context.h"

// The console runtime's text view as 0-based text rows of the open screen, held inside the text
// size: top 0 and bottom text_h - 1 unless the program narrowed the view.
void gfx_text_view_rows(const GfxContext* ctx, int* top, int* bottom);

// Marks framebuffer rows first .. end - 1 dirty when the drawing target is the visible page.
void gfx_text_mark_dirty(GfxContext* ctx, int first, int end);
