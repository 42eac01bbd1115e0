// A display driver: a name and a constant table of operations.
//
// Driver operations return 0 for success and non-zero for failure. Rows are written with
// designated initialisers; a slot a row does not name is null. `lock`, `unlock` and
// `set_palette` are provided by every driver and called without a test; every other slot but
// `init` and `exit` may be null, and its callers test for that.
#pragma once

#include <cstdint>

struct GfxDriver {
    const char* name = nullptr; // "DirectX", "GDI", "OpenGL" or "Null"; compared with QZGFX
    int (*init)(const char* title, int width, int window_height, int depth, int refresh_rate,
                int flags) = nullptr;
    void (*exit)() = nullptr;
    void (*lock)() = nullptr;
    void (*unlock)() = nullptr;
    void (*set_palette)(int index, int red, int green, int blue) = nullptr;
    void (*wait_vsync)() = nullptr;
    int (*get_mouse)(int* x, int* y, int* wheel, int* buttons) = nullptr;
    void (*set_mouse)(int x, int y, int cursor) = nullptr;
    void (*set_window_title)(const char* title) = nullptr;
    uint32_t* (*fetch_modes)(int depth, int* count) = nullptr; // caller frees the array
    void (*flip)() = nullptr;
    // The scale setting changed: show the open screen at the new scale (software windows).
    void (*apply_scale)() = nullptr;
    void (*reserved)() = nullptr; // null in every driver
};

// The drivers in the order they are tried, ended by a null entry.
extern const GfxDriver* const DRIVER_LIST[];

// The windowless driver, taken without trial for SCREEN_NULL or QZGFX=null.
extern const GfxDriver GFX_DRIVER_NULL;
