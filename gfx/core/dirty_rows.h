// The marks of changed rows (GfxContext::dirty_rows) as the software drivers read and reset them.
#pragma once

#include <cstdint>

struct GfxContext;

// The first and last marked of the `rows` marks; false (first and last untouched) when none is.
bool gfx_dirty_span(const uint8_t* marks, int rows, int* first, int* last);

// Marks every shown row of the screen (height times scanline size), so that the next pass
// presents the whole picture. Nothing without a screen.
void gfx_mark_all_rows_dirty(GfxContext* ctx);

// Clears the marks of every shown row after a pass has presented them.
void gfx_clear_row_marks(GfxContext* ctx);
