// The plain per-pixel work of gfx_put's modes, inlined into the plain routines and into the
// tails of the vector ones.
#pragma once

#include <cstring>

#include <qzgfx.h>

#include "gfx/draw/image_put.h"

// The pixel type of a pixel size and its mask colour.
template <int BYTES>
struct PutPixel;
template <>
struct PutPixel<1> {
    using Type = uint8_t;
    static bool is_mask(uint8_t p) { return p == 0; }
};
template <>
struct PutPixel<2> {
    using Type = uint16_t;
    static bool is_mask(uint16_t p) { return p == GFX_MASK_COLOUR_16; }
};
template <>
struct PutPixel<4> {
    using Type = uint32_t;
    static bool is_mask(uint32_t p) { return (p & 0xFFFFFF) == GFX_MASK_COLOUR_32; }
};

// Loads and stores a pixel at any alignment.
template <typename T>
inline T put_load(const uint8_t* p) {
    T v;
    std::memcpy(&v, p, sizeof v);
    return v;
}
template <typename T>
inline void put_store(uint8_t* p, T v) {
    std::memcpy(p, &v, sizeof v);
}

// GFX_PUT_TRANSPARENT: every pixel but the mask colour.
template <int BYTES>
inline bool put_transparent_row(uint8_t* dst, const uint8_t* src, int count, const PutArgs&) {
    using T = typename PutPixel<BYTES>::Type;
    bool any = false;
    for (int x = 0; x < count; ++x) {
        const T s = put_load<T>(src + x * BYTES);
        if (!PutPixel<BYTES>::is_mask(s)) {
            put_store<T>(dst + x * BYTES, s);
            any = true;
        }
    }
    return any;
}

// One colour channel blended: (s * a + d * (255 - a)) / 255 rounded to nearest.
inline uint32_t put_blend_channel(uint32_t s, uint32_t d, uint32_t a) {
    const uint32_t t = s * a + d * (255 - a) + 128;
    return (t + (t >> 8)) >> 8;
}

// GFX_PUT_ALPHA on 32-bit pixels; the target keeps its top byte.
inline bool put_alpha_row(uint8_t* dst, const uint8_t* src, int count, const PutArgs& args) {
    bool any = false;
    for (int x = 0; x < count; ++x) {
        const uint32_t s = put_load<uint32_t>(src + 4 * x);
        const uint32_t a = args.alpha < 0 ? s >> 24 : static_cast<uint32_t>(args.alpha);
        if (a == 0) {
            continue;
        }
        const uint32_t d = put_load<uint32_t>(dst + 4 * x);
        uint32_t r = d & 0xFF000000;
        for (int shift = 0; shift < 24; shift += 8) {
            r |= put_blend_channel((s >> shift) & 0xFF, (d >> shift) & 0xFF, a) << shift;
        }
        put_store<uint32_t>(dst + 4 * x, r);
        any = true;
    }
    return any;
}
