// The plain row routines of gfx_put, one per mode and pixel size, and the choice among them and
// the vector ones.
#include <cstring>

#include <qzgfx.h>

#include "gfx/draw/image_put.h"

namespace {

// The pixel type of a pixel size and its mask colour.
template <int BYTES>
struct Pixel;
template <>
struct Pixel<1> {
    using Type = uint8_t;
    static bool is_mask(uint8_t p) { return p == 0; }
};
template <>
struct Pixel<2> {
    using Type = uint16_t;
    static bool is_mask(uint16_t p) { return p == GFX_MASK_COLOUR_16; }
};
template <>
struct Pixel<4> {
    using Type = uint32_t;
    static bool is_mask(uint32_t p) { return (p & 0xFFFFFF) == GFX_MASK_COLOUR_32; }
};

// Loads and stores a pixel at any alignment.
template <typename T>
T load(const uint8_t* p) {
    T v;
    std::memcpy(&v, p, sizeof v);
    return v;
}
template <typename T>
void store(uint8_t* p, T v) {
    std::memcpy(p, &v, sizeof v);
}

// GFX_PUT_COPY: the row as it is.
template <int BYTES>
bool copy_row(uint8_t* dst, const uint8_t* src, int count, const PutArgs&) {
    std::memmove(dst, src, static_cast<std::size_t>(count) * BYTES);
    return count > 0;
}

// GFX_PUT_TRANSPARENT: every pixel but the mask colour.
template <int BYTES>
bool transparent_row(uint8_t* dst, const uint8_t* src, int count, const PutArgs&) {
    using T = typename Pixel<BYTES>::Type;
    bool any = false;
    for (int x = 0; x < count; ++x) {
        const T s = load<T>(src + x * BYTES);
        if (!Pixel<BYTES>::is_mask(s)) {
            store<T>(dst + x * BYTES, s);
            any = true;
        }
    }
    return any;
}

// The bit modes: XOR, AND, OR and INVERT, masked to the depth.
template <int BYTES, int MODE>
bool bit_row(uint8_t* dst, const uint8_t* src, int count, const PutArgs& args) {
    using T = typename Pixel<BYTES>::Type;
    const T mask = static_cast<T>(args.mask);
    for (int x = 0; x < count; ++x) {
        const T s = load<T>(src + x * BYTES);
        const T d = load<T>(dst + x * BYTES);
        T r = MODE == GFX_PUT_XOR ? static_cast<T>(d ^ s)
              : MODE == GFX_PUT_AND ? static_cast<T>(d & s)
              : MODE == GFX_PUT_OR  ? static_cast<T>(d | s)
                                    : static_cast<T>(~s);
        store<T>(dst + x * BYTES, static_cast<T>(r & mask));
    }
    return count > 0;
}

// One colour channel blended: (s * a + d * (255 - a)) / 255 rounded to nearest.
inline uint32_t blend_channel(uint32_t s, uint32_t d, uint32_t a) {
    const uint32_t t = s * a + d * (255 - a) + 128;
    return (t + (t >> 8)) >> 8;
}

// GFX_PUT_ALPHA on 32-bit pixels; the target keeps its top byte.
bool alpha_row(uint8_t* dst, const uint8_t* src, int count, const PutArgs& args) {
    bool any = false;
    for (int x = 0; x < count; ++x) {
        const uint32_t s = load<uint32_t>(src + 4 * x);
        const uint32_t a = args.alpha < 0 ? s >> 24 : static_cast<uint32_t>(args.alpha);
        if (a == 0) {
            continue;
        }
        const uint32_t d = load<uint32_t>(dst + 4 * x);
        uint32_t r = d & 0xFF000000;
        for (int shift = 0; shift < 24; shift += 8) {
            r |= blend_channel((s >> shift) & 0xFF, (d >> shift) & 0xFF, a) << shift;
        }
        store<uint32_t>(dst + 4 * x, r);
        any = true;
    }
    return any;
}

// The plain routine of a mode at one pixel size.
template <int BYTES>
PutRowFn scalar_for(int mode) {
    switch (mode) {
    case GFX_PUT_COPY: return copy_row<BYTES>;
    case GFX_PUT_TRANSPARENT: return transparent_row<BYTES>;
    case GFX_PUT_XOR: return bit_row<BYTES, GFX_PUT_XOR>;
    case GFX_PUT_AND: return bit_row<BYTES, GFX_PUT_AND>;
    case GFX_PUT_OR: return bit_row<BYTES, GFX_PUT_OR>;
    case GFX_PUT_INVERT: return bit_row<BYTES, GFX_PUT_INVERT>;
    case GFX_PUT_ALPHA: return BYTES == 4 ? alpha_row : nullptr;
    default: return nullptr;
    }
}

} // namespace

PutRowFn put_row_scalar(int mode, int bytes_per_pixel) {
    switch (bytes_per_pixel) {
    case 1: return scalar_for<1>(mode);
    case 2: return scalar_for<2>(mode);
    case 4: return scalar_for<4>(mode);
    default: return nullptr;
    }
}

PutRowFn put_row_routine(int mode, int bytes_per_pixel, CpuIsa isa) {
    PutRowFn vector = nullptr;
    if (isa >= CpuIsa::AVX2) {
        vector = put_row_avx2(mode, bytes_per_pixel);
    }
    if (!vector && isa >= CpuIsa::SSE2) {
        vector = put_row_sse2(mode, bytes_per_pixel);
    }
    return vector ? vector : put_row_scalar(mode, bytes_per_pixel);
}
