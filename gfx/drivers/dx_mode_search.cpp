// The full-screen display-mode search: standard heights upwards, each depth with its twin.
#include "gfx/drivers/dx_driver.h"

namespace {

// The heights tried after the requested one, in order.
constexpr int STANDARD_HEIGHTS[] = {240, 480, 600, 768, 1024};

// The flag that asks for the standard VGA mode (DDSDM_STANDARDVGAMODE) for 320 x 200 x 8.
constexpr unsigned STANDARD_VGA_MODE = 1;

} // namespace

// The first standard height above h, or -1.
int dx_next_height(int h) {
    for (int standard : STANDARD_HEIGHTS) {
        if (h < standard) {
            return standard;
        }
    }
    return -1;
}

// 15 and 16 stand in for each other, as do 24 and 32.
int dx_twin_depth(int depth) {
    switch (depth) {
    case 15:
        return 16;
    case 16:
        return 15;
    case 24:
        return 32;
    case 32:
        return 24;
    default:
        return 0;
    }
}

// Tries the depth and its twin at each height, the width never changing; see the header.
int dx_search_display_mode(int width, int height, int depth, int refresh_rate, DxTryModeFn try_mode,
                           void* user) {
    for (int h = height; h >= 0; h = dx_next_height(h)) {
        const unsigned flags = (width == 320 && h == 200 && depth == 8) ? STANDARD_VGA_MODE : 0;
        if (try_mode(user, width, h, depth, refresh_rate, flags)) {
            return h;
        }
        const int twin = dx_twin_depth(depth);
        if (twin && try_mode(user, width, h, twin, refresh_rate, flags)) {
            return h;
        }
    }
    return -1;
}
