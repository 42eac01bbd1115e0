// Reading and placing the mouse pointer, and showing or hiding it.
#include "gfx/core/types.h"
#include "gfx/core/window_scale.h"
#include "gfx/win32/win32_window.h"

namespace {

// v limited to lo .. hi.
int clamp(int v, int lo, int hi) { return v < lo ? lo : (v > hi ? hi : v); }

// Whether the screen fills the display in a display mode of its own, where display pixels are
// window pixels.
bool in_display_mode() {
    return (win32_window.flags & SCREEN_FULLSCREEN) && !win32_window.over_desktop;
}

// A window pixel's position on the client area: the centre of its block on a scaled picture.
int to_client(int p, int origin) {
    const int scale = win32_window.scale > 0 ? win32_window.scale : 1;
    return origin + p * scale + scale / 2;
}

} // namespace

// The pointer in window pixels with the wheel count and button bits: 0, or -1 (nothing written)
// when the application is inactive or, in a window, the pointer is outside the picture. On a
// scaled picture each block is one window pixel; a full screen holds the pointer to its edges.
int win32_get_mouse(int* x, int* y, int* wheel, int* buttons) {
    if (!win32_window.is_active) {
        return -1;
    }
    POINT p;
    if (!GetCursorPos(&p)) {
        return -1;
    }
    if (!in_display_mode()) {
        ScreenToClient(win32_window.hwnd, &p);
        p.x = gfx_unscale(p.x, win32_window.origin_x, win32_window.scale);
        p.y = gfx_unscale(p.y, win32_window.origin_y, win32_window.scale);
    }
    if (win32_window.flags & SCREEN_FULLSCREEN) {
        p.x = clamp(p.x, 0, win32_window.width - 1);
        p.y = clamp(p.y, 0, win32_window.height - 1);
    } else if (p.x < 0 || p.x >= win32_window.width || p.y < 0 || p.y >= win32_window.height) {
        return -1;
    }
    if (x) {
        *x = p.x;
    }
    if (y) {
        *y = p.y;
    }
    if (wheel) {
        *wheel = win32_layer.mouse_wheel;
    }
    if (buttons) {
        *buttons = win32_layer.mouse_buttons;
    }
    return 0;
}

// Moves the pointer to window pixel (x, y) when x >= 0, the centre of its block when scaled; shows it for cursor > 0, hides it for
// cursor 0. Showing and hiding is posted to the window so that it runs on the window's thread;
// without a window there is nothing to post to.
void win32_set_mouse(int x, int y, int cursor) {
    if (x >= 0) {
        POINT p = {x < win32_window.width ? x : win32_window.width - 1,
                   clamp(y, 0, win32_window.height - 1)};
        if (!in_display_mode()) {
            p = {to_client(p.x, win32_window.origin_x), to_client(p.y, win32_window.origin_y)};
            ClientToScreen(win32_window.hwnd, &p);
        }
        SetCursorPos(p.x, p.y);
    }
    int show = -1;
    if (cursor > 0 && !win32_layer.cursor_visible) {
        show = 1;
    }
    if (cursor == 0 && win32_layer.cursor_visible) {
        show = 0;
    }
    if (show < 0 || !win32_window.hwnd) {
        return;
    }
    PostMessageA(win32_window.hwnd, win32_layer.cursor_message, static_cast<WPARAM>(show), 0);
    win32_layer.cursor_visible = show;
}
