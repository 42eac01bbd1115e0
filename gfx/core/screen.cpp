// The two statements that open a graphics screen: by mode number and by size.
#include "gfx/core/screen.h"

#include "gfx/core/builtin_data.h"
#include "gfx/core/modes.h"
#include "rt/rt.h"

// Opens numbered mode 1..21 (mode 0 closes the screen) and starts console output at column 0.
int gfx_screen(int mode, int depth, int num_pages, int flags, int refresh_rate) {
    if (static_cast<unsigned>(mode) >= static_cast<unsigned>(MODE_COUNT)) {
        return rt_set_error(RT_ERR_ILLEGAL_CALL);
    }
    const ScreenModeInfo* row = nullptr;
    if (mode > 0) {
        row = &MODE_TABLE[mode];
        if (row->width < 0) {
            return rt_set_error(RT_ERR_ILLEGAL_CALL);
        }
    }
    const int result = gfx_set_mode(row, mode, depth, num_pages, refresh_rate, flags);
    if (result == 0) {
        rt_set_output_column(0);
    }
    return result;
}

// Opens a width x height screen of depth 8, 15, 16, 24 or 32 with text cells of the 8 x 8 font.
int gfx_screen_res(int width, int height, int depth, int num_pages, int flags, int refresh_rate) {
    const bool depth_ok = depth == 8 || depth == 15 || depth == 16 || depth == 24 || depth == 32;
    if (width <= 0 || height <= 0 || !depth_ok) {
        return rt_set_error(RT_ERR_ILLEGAL_CALL);
    }
    const ScreenModeInfo row = {width,        height,    depth,     1,
                                &PALETTE_256, &FONT_8X8, width / 8, height / 8};
    const int result = gfx_set_mode(&row, -1, depth, num_pages, refresh_rate, flags);
    if (result == 0) {
        rt_set_output_column(0);
    }
    return result;
}
