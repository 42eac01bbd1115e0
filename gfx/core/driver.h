// A display driver: a name and a constant table of operations.
//
// Driver operations return 0 for success and non-zero for failure. `lock`, `unlock` and
// `set_palette` are provided by every driver and called without a test; every other slot but
// `init` and `exit` may be null, and its callers test for that.
#pragma once

#include <cstdint>

struct GfxDriver {
    const char* name; // "DirectX", "GDI", "OpenGL" or "Null"; compared with QZGFX
    int (*init)(const char* title, int width, int window_height, int depth, int refresh_rate,
                int flags);
    void (*exit)();
    void (*lock)();
    void (*unlock)();
    void (*set_palette)(int index, int red, int green, int blue);
    void (*wait_vsync)();
    int (*get_mouse)(int* x, int* y, int* wheel, int* buttons);
    void (*set_mouse)(int x, int y, int cursor);
    void (*set_window_title)(const char* title);
    uint32_t* (*fetch_modes)(int depth, int* count); // caller frees the array
    void (*flip)();
    void (*reserved)(); // null in every driver
};

// The drivers in the order they are tried, ended by a null entry.
extern const GfxDriver* const DRIVER_LIST[];

// The windowless driver, taken without trial for SCREEN_NULL or QZGFX=null.
extern const GfxDriver GFX_DRIVER_NULL;
