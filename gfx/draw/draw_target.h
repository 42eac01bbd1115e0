// What every drawing operation shares: the drawing target as the rasterisers see it, the colour
// and coordinate conversions, and the checks of their arguments.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "gfx/core/context.h"

// Pixel coordinates are held within +-2^30, so that the differences and the products that
// clipping forms stay inside 64-bit arithmetic.
constexpr int64_t DRAW_COORD_LIMIT = int64_t{1} << 30;

// The drawing target: its rows, its pixel size and the view that every pixel must lie in.
struct DrawTarget {
    uint8_t* base;   // row 0 of the target
    ptrdiff_t pitch; // bytes from one row to the next
    int bytes;       // bytes per pixel: 1, 2 or 4
    int left;        // the view, inclusive on every side
    int top;
    int right;
    int bottom;
    uint8_t* dirty; // the dirty row flags while the target is the visible page, else null

    // The address of pixel (x, y), which must lie in the target.
    uint8_t* at(int64_t x, int64_t y) const {
        return base + static_cast<ptrdiff_t>(y) * pitch + static_cast<ptrdiff_t>(x) * bytes;
    }
    bool inside(int64_t x, int64_t y) const {
        return x >= left && x <= right && y >= top && y <= bottom;
    }
    // Flags rows first .. last (inclusive) as changed when drawing on the visible page.
    void mark(int64_t first, int64_t last) const {
        if (dirty && first <= last) {
            std::memset(dirty + first, 1, static_cast<size_t>(last - first + 1));
        }
    }
};

// The open screen's drawing target (the work page or an image) and its view. False when the view
// is empty, so that nothing can be drawn.
bool draw_target(const GfxContext* ctx, DrawTarget* target);

// A colour argument as the target's pixel value: COLOUR_NONE is the foreground colour; a palette
// index is masked to the depth, a true colour becomes 5-6-5 at 16 bits and is stored as given at
// 32 bits.
uint32_t draw_colour(const GfxContext* ctx, uint32_t colour);

// Maps a logical point to pixels (window coordinates and the view) held within DRAW_COORD_LIMIT.
void draw_map(float x, float y, int64_t* px, int64_t* py);

// Resolves the step of a one-point operation (GFX_STEP_FIRST alone is allowed) and maps the point
// to pixels. False, with the last point as it was, for no screen, another step bit or a point
// that is not finite before or after the step.
bool draw_resolve_point(GfxContext* ctx, float x, float y, int step, int64_t* px, int64_t* py);

// A length along x in logical units as pixels: scaled like x when window coordinates are on.
double draw_map_length(const GfxContext* ctx, float length);

// Holds v within +-DRAW_COORD_LIMIT.
int64_t draw_hold(int64_t v);

// Stores one pixel of the given size.
inline void draw_store(uint8_t* p, uint32_t colour, int bytes) {
    if (bytes == 1) {
        *p = static_cast<uint8_t>(colour);
    } else if (bytes == 2) {
        const auto v = static_cast<uint16_t>(colour);
        std::memcpy(p, &v, sizeof v);
    } else {
        std::memcpy(p, &colour, sizeof colour);
    }
}

// Reads one pixel of the given size.
inline uint32_t draw_load(const uint8_t* p, int bytes) {
    if (bytes == 1) {
        return *p;
    }
    if (bytes == 2) {
        uint16_t v = 0;
        std::memcpy(&v, p, sizeof v);
        return v;
    }
    uint32_t v = 0;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// Sets runtime error 1 and returns it: the result of every operation given bad arguments.
int draw_fail();
