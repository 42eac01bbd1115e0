// The per-depth pixel primitives and the choice of block and pixel routines at each mode set.
#include <cstring>

#include "gfx/core/context.h"
#include "gfx/core/pixel.h"

namespace {

// The address of pixel (x, y) of the drawing target, or null when it lies outside the target.
uint8_t* pixel_address(int x, int y) {
    const GfxContext* ctx = gfx_context;
    if (!ctx || !ctx->rows || x < 0 || y < 0) {
        return nullptr;
    }
    const int rows = ctx->target ? ctx->target->height : ctx->height;
    const int columns = ctx->target_pitch / ctx->bytes_per_pixel;
    if (y >= rows || y >= ctx->rows_capacity || x >= columns) {
        return nullptr;
    }
    return ctx->rows[y] + x * ctx->bytes_per_pixel;
}

// Stores an 8-bit (or smaller) pixel.
void put_pixel_8(int x, int y, uint32_t colour) {
    if (uint8_t* p = pixel_address(x, y)) {
        *p = static_cast<uint8_t>(colour);
    }
}

// Loads an 8-bit (or smaller) pixel; 0 outside the target.
uint32_t get_pixel_8(int x, int y) {
    const uint8_t* p = pixel_address(x, y);
    return p ? *p : 0;
}

// Fills count bytes with the colour's low byte.
void fill_span_8(uint8_t* dest, uint32_t colour, int count) {
    if (count > 0) {
        fast_fill(dest, static_cast<int>(colour & 0xFF), static_cast<size_t>(count));
    }
}

// Copies count 8-bit pixels.
void copy_span_8(uint8_t* dest, const uint8_t* src, int count) {
    if (count > 0) {
        fast_copy(dest, src, static_cast<size_t>(count));
    }
}

// Stores a 16-bit pixel.
void put_pixel_16(int x, int y, uint32_t colour) {
    if (uint8_t* p = pixel_address(x, y)) {
        const auto v = static_cast<uint16_t>(colour);
        std::memcpy(p, &v, sizeof v);
    }
}

// Loads a 16-bit pixel; 0 outside the target.
uint32_t get_pixel_16(int x, int y) {
    uint16_t v = 0;
    if (const uint8_t* p = pixel_address(x, y)) {
        std::memcpy(&v, p, sizeof v);
    }
    return v;
}

// Fills count 16-bit pixels with the colour's low 16 bits.
void fill_span_16(uint8_t* dest, uint32_t colour, int count) {
    const auto v = static_cast<uint16_t>(colour);
    for (int i = 0; i < count; ++i) {
        std::memcpy(dest + 2 * i, &v, sizeof v);
    }
}

// Copies count 16-bit pixels.
void copy_span_16(uint8_t* dest, const uint8_t* src, int count) {
    if (count > 0) {
        fast_copy(dest, src, 2 * static_cast<size_t>(count));
    }
}

// Stores a 32-bit pixel.
void put_pixel_32(int x, int y, uint32_t colour) {
    if (uint8_t* p = pixel_address(x, y)) {
        std::memcpy(p, &colour, sizeof colour);
    }
}

// Loads a 32-bit pixel; 0 outside the target.
uint32_t get_pixel_32(int x, int y) {
    uint32_t v = 0;
    if (const uint8_t* p = pixel_address(x, y)) {
        std::memcpy(&v, p, sizeof v);
    }
    return v;
}

// Fills count 32-bit pixels with the colour.
void fill_span_32(uint8_t* dest, uint32_t colour, int count) {
    for (int i = 0; i < count; ++i) {
        std::memcpy(dest + 4 * static_cast<size_t>(i), &colour, sizeof colour);
    }
}

// Copies count 32-bit pixels.
void copy_span_32(uint8_t* dest, const uint8_t* src, int count) {
    if (count > 0) {
        fast_copy(dest, src, 4 * static_cast<size_t>(count));
    }
}

struct PixelRoutines {
    PutPixelFn put;
    GetPixelFn get;
    FillSpanFn fill;
    CopySpanFn copy;
};

constexpr PixelRoutines PIXELS_8 = {put_pixel_8, get_pixel_8, fill_span_8, copy_span_8};
constexpr PixelRoutines PIXELS_16 = {put_pixel_16, get_pixel_16, fill_span_16, copy_span_16};
constexpr PixelRoutines PIXELS_32 = {put_pixel_32, get_pixel_32, fill_span_32, copy_span_32};

} // namespace

PutPixelFn put_pixel = PIXELS_8.put;
GetPixelFn get_pixel = PIXELS_8.get;
FillSpanFn fill_span = PIXELS_8.fill;
CopySpanFn copy_span = PIXELS_8.copy;

// Chooses the MMX or C library block routines and the pixel primitives of the screen's depth.
void gfx_select_pixel_routines() {
    GfxContext* ctx = gfx_context;
    if (cpu_features() & CPU_FEATURE_MMX) {
        fast_copy = fast_copy_mmx;
        fast_fill = fast_fill_mmx;
        if (ctx) {
            ctx->flags |= CTX_HAS_MMX;
        }
    } else {
        fast_copy = std::memcpy;
        fast_fill = std::memset;
    }
    const int depth = ctx ? ctx->depth : 8;
    const PixelRoutines& chosen = depth <= 8 ? PIXELS_8 : depth <= 16 ? PIXELS_16 : PIXELS_32;
    put_pixel = chosen.put;
    get_pixel = chosen.get;
    fill_span = chosen.fill;
    copy_span = chosen.copy;
}
