// The presenting benchmarks' check of the window they time: a scaled pass is only measured on a
// window that shows the whole scaled picture, since a window the display cuts down costs less.
#pragma once

#include <windows.h>

#include <cstdio>

#include "gfx/core/context.h"
#include "gfx/win32/win32_window.h"

// Whether the open screen's window is at `scale` with a client area of the whole scaled picture;
// says on stderr what it found when not.
inline bool shows_whole_picture(int scale) {
    RECT client{};
    GetClientRect(win32_window.hwnd, &client);
    const int width = gfx_context->width * scale;
    const int height = gfx_context->height * scale;
    if (win32_window.scale == scale && client.right == width && client.bottom == height) {
        return true;
    }
    std::fprintf(stderr, "a %d x %d window at scale %d is %ld x %ld at scale %d: not timed\n",
                 width, height, scale, static_cast<long>(client.right),
                 static_cast<long>(client.bottom), win32_window.scale);
    return false;
}
