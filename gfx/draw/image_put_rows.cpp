// The plain routines of gfx_put, one per mode and pixel size, and the choice among them and the
// vector ones.
#include <cstring>

#include <qzgfx.h>

#include "gfx/draw/image_put.h"
#include "gfx/draw/image_put_pixels.h"

namespace {

// GFX_PUT_COPY: the row as it is.
template <int BYTES>
bool copy_row(uint8_t* dst, const uint8_t* src, int count, const PutArgs&) {
    std::memmove(dst, src, static_cast<std::size_t>(count) * BYTES);
    return count > 0;
}

// The bit modes: XOR, AND, OR and INVERT, masked to the depth.
template <int BYTES, int MODE>
bool bit_row(uint8_t* dst, const uint8_t* src, int count, const PutArgs& args) {
    using T = typename PutPixel<BYTES>::Type;
    const T mask = static_cast<T>(args.mask);
    for (int x = 0; x < count; ++x) {
        const T s = put_load<T>(src + x * BYTES);
        const T d = put_load<T>(dst + x * BYTES);
        const T r = MODE == GFX_PUT_XOR   ? static_cast<T>(d ^ s)
                    : MODE == GFX_PUT_AND ? static_cast<T>(d & s)
                    : MODE == GFX_PUT_OR  ? static_cast<T>(d | s)
                                          : static_cast<T>(~s);
        put_store<T>(dst + x * BYTES, static_cast<T>(r & mask));
    }
    return count > 0;
}

// The plain routine of a mode at one pixel size.
template <int BYTES>
PutRectFn scalar_for(int mode) {
    switch (mode) {
    case GFX_PUT_COPY:
        return put_rect_rows<copy_row<BYTES>>;
    case GFX_PUT_TRANSPARENT:
        return put_rect_rows<put_transparent_row<BYTES>>;
    case GFX_PUT_XOR:
        return put_rect_rows<bit_row<BYTES, GFX_PUT_XOR>>;
    case GFX_PUT_AND:
        return put_rect_rows<bit_row<BYTES, GFX_PUT_AND>>;
    case GFX_PUT_OR:
        return put_rect_rows<bit_row<BYTES, GFX_PUT_OR>>;
    case GFX_PUT_INVERT:
        return put_rect_rows<bit_row<BYTES, GFX_PUT_INVERT>>;
    case GFX_PUT_ALPHA:
        return BYTES == 4 ? put_rect_rows<put_alpha_row> : nullptr;
    default:
        return nullptr;
    }
}

} // namespace

PutRectFn put_rect_scalar(int mode, int bytes_per_pixel) {
    switch (bytes_per_pixel) {
    case 1:
        return scalar_for<1>(mode);
    case 2:
        return scalar_for<2>(mode);
    case 4:
        return scalar_for<4>(mode);
    default:
        return nullptr;
    }
}

PutRectFn put_rect_routine(int mode, int bytes_per_pixel, CpuIsa isa) {
    PutRectFn vector = nullptr;
    if (isa >= CpuIsa::AVX2) {
        vector = put_rect_avx2(mode, bytes_per_pixel);
    }
    if (!vector && isa >= CpuIsa::SSE2) {
        vector = put_rect_sse2(mode, bytes_per_pixel);
    }
    return vector ? vector : put_rect_scalar(mode, bytes_per_pixel);
}
