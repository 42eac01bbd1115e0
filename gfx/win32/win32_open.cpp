// The init preamble every driver shares.
#include <algorithm>

#include "gfx/core/driver_report.h"
#include "gfx/core/types.h"
#include "gfx/win32/win32_software.h"

// Clears the state, refuses the other kind of screen, installs the hooks and opens the layer.
int win32_open(const Win32ModeHooks& hooks, const Win32SoftwareDriver* software, const char* title,
               int width, int height, int depth, int refresh_rate, int flags) {
    win32_clear_window_state();
    const bool opengl = (flags & SCREEN_OPENGL) != 0;
    if (opengl && software) {
        return gfx_driver_refuse("does not open OpenGL screens");
    }
    if (!opengl && !software) {
        return gfx_driver_refuse("opens only OpenGL screens");
    }
    win32_window.enter_mode = hooks.enter_mode;
    win32_window.leave_mode = hooks.leave_mode;
    win32_window.paint_hook = hooks.paint;
    win32_window.software = software;
    win32_window.thread_proc = software ? win32_display_thread : nullptr;
    return win32_init(title, width, height, std::max(depth, 8), refresh_rate, flags);
}
