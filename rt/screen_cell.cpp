// Reading a text cell back.
#include "rt/platform.h"
#include "rt/rt.h"

// Slot 22 on a graphics screen; on the console, what the platform's console holds there.
int rt_screen_cell(int column, int row, int mode) {
    if (rt_hooks.screen_cell) {
        return rt_hooks.screen_cell(column, row, mode);
    }
    return rt_platform_console_cell(column, row, mode);
}
