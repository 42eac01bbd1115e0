// Vector row routines of gfx_put for the modes sprites use: transparent puts compare 16 or 32
// bytes with the mask colour at once and blend with the target, skipping blocks that are wholly
// transparent; alpha puts blend four or eight 32-bit pixels in 16-bit lanes.
#include <qzgfx.h>

#include "gfx/draw/image_put.h"
#include "gfx/draw/image_put_pixels.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define PUT_X86 1
#endif

#if defined(PUT_X86)
namespace {

#define PUT_SSE2 __attribute__((target("sse2")))
#define PUT_AVX2 __attribute__((target("avx2")))

// Which lanes of a block of pixels are the mask colour (all ones there).
template <int BYTES>
PUT_SSE2 inline __m128i mask_lanes_128(__m128i s) {
    if constexpr (BYTES == 1) {
        return _mm_cmpeq_epi8(s, _mm_setzero_si128());
    } else if constexpr (BYTES == 2) {
        return _mm_cmpeq_epi16(s, _mm_set1_epi16(static_cast<short>(GFX_MASK_COLOUR_16)));
    } else {
        return _mm_cmpeq_epi32(_mm_and_si128(s, _mm_set1_epi32(0xFFFFFF)),
                               _mm_set1_epi32(static_cast<int>(GFX_MASK_COLOUR_32)));
    }
}

template <int BYTES>
PUT_AVX2 inline __m256i mask_lanes_256(__m256i s) {
    if constexpr (BYTES == 1) {
        return _mm256_cmpeq_epi8(s, _mm256_setzero_si256());
    } else if constexpr (BYTES == 2) {
        return _mm256_cmpeq_epi16(s, _mm256_set1_epi16(static_cast<short>(GFX_MASK_COLOUR_16)));
    } else {
        return _mm256_cmpeq_epi32(_mm256_and_si256(s, _mm256_set1_epi32(0xFFFFFF)),
                                  _mm256_set1_epi32(static_cast<int>(GFX_MASK_COLOUR_32)));
    }
}

// GFX_PUT_TRANSPARENT, 16 bytes a step: an opaque block is stored as it is, a wholly
// transparent one skipped, a mixed one merged with the target.
template <int BYTES>
PUT_SSE2 inline bool transparent_sse2(uint8_t* dst, const uint8_t* src, int count,
                                      const PutArgs& args) {
    constexpr int STEP = 16 / BYTES;
    bool any = false;
    int x = 0;
    for (; x + STEP <= count; x += STEP) {
        const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + x * BYTES));
        const __m128i m = mask_lanes_128<BYTES>(s);
        const int bits = _mm_movemask_epi8(m);
        if (bits == 0xFFFF) {
            continue;
        }
        __m128i* d = reinterpret_cast<__m128i*>(dst + x * BYTES);
        const __m128i out =
            bits == 0 ? s
                      : _mm_or_si128(_mm_and_si128(m, _mm_loadu_si128(d)), _mm_andnot_si128(m, s));
        _mm_storeu_si128(d, out);
        any = true;
    }
    const bool tail = put_transparent_row<BYTES>(dst + x * BYTES, src + x * BYTES, count - x, args);
    return any || tail;
}

// The same, 32 bytes a step.
template <int BYTES>
PUT_AVX2 inline bool transparent_avx2(uint8_t* dst, const uint8_t* src, int count,
                                      const PutArgs& args) {
    constexpr int STEP = 32 / BYTES;
    bool any = false;
    int x = 0;
    for (; x + STEP <= count; x += STEP) {
        const __m256i s = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + x * BYTES));
        const __m256i m = mask_lanes_256<BYTES>(s);
        const unsigned bits = static_cast<unsigned>(_mm256_movemask_epi8(m));
        if (bits == 0xFFFFFFFFu) {
            continue;
        }
        __m256i* d = reinterpret_cast<__m256i*>(dst + x * BYTES);
        const __m256i out = bits == 0 ? s : _mm256_blendv_epi8(s, _mm256_loadu_si256(d), m);
        _mm256_storeu_si256(d, out);
        any = true;
    }
    const bool tail = transparent_sse2<BYTES>(dst + x * BYTES, src + x * BYTES, count - x, args);
    return any || tail;
}

// Blends 16-bit lanes: (s * a + d * (255 - a)) / 255 rounded to nearest, exact for 8-bit values.
PUT_SSE2 inline __m128i blend_lanes_128(__m128i s, __m128i d, __m128i a) {
    const __m128i inverse = _mm_sub_epi16(_mm_set1_epi16(255), a);
    __m128i t = _mm_add_epi16(_mm_add_epi16(_mm_mullo_epi16(s, a), _mm_mullo_epi16(d, inverse)),
                              _mm_set1_epi16(128));
    return _mm_srli_epi16(_mm_add_epi16(t, _mm_srli_epi16(t, 8)), 8);
}

PUT_AVX2 inline __m256i blend_lanes_256(__m256i s, __m256i d, __m256i a) {
    const __m256i inverse = _mm256_sub_epi16(_mm256_set1_epi16(255), a);
    __m256i t =
        _mm256_add_epi16(_mm256_add_epi16(_mm256_mullo_epi16(s, a), _mm256_mullo_epi16(d, inverse)),
                         _mm256_set1_epi16(128));
    return _mm256_srli_epi16(_mm256_add_epi16(t, _mm256_srli_epi16(t, 8)), 8);
}

// Each pixel's top byte spread over its four 16-bit lanes (two pixels per register).
PUT_SSE2 inline __m128i pixel_alpha_128(__m128i wide) {
    return _mm_shufflehi_epi16(_mm_shufflelo_epi16(wide, 0xFF), 0xFF);
}

PUT_AVX2 inline __m256i pixel_alpha_256(__m256i wide) {
    return _mm256_shufflehi_epi16(_mm256_shufflelo_epi16(wide, 0xFF), 0xFF);
}

// GFX_PUT_ALPHA, four pixels a step; the target keeps its top bytes. Blocks whose pixels all
// have alpha 0 are skipped.
PUT_SSE2 inline bool alpha_sse2(uint8_t* dst, const uint8_t* src, int count, const PutArgs& args) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i top = _mm_set1_epi32(static_cast<int>(0xFF000000u));
    const __m128i fixed = _mm_set1_epi16(static_cast<short>(args.alpha < 0 ? 0 : args.alpha));
    bool any = false;
    int x = 0;
    for (; x + 4 <= count; x += 4) {
        const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + 4 * x));
        if (args.alpha < 0 &&
            _mm_movemask_epi8(_mm_cmpeq_epi32(_mm_and_si128(s, top), zero)) == 0xFFFF) {
            continue;
        }
        __m128i* dp = reinterpret_cast<__m128i*>(dst + 4 * x);
        const __m128i d = _mm_loadu_si128(dp);
        const __m128i s_lo = _mm_unpacklo_epi8(s, zero);
        const __m128i s_hi = _mm_unpackhi_epi8(s, zero);
        const __m128i a_lo = args.alpha < 0 ? pixel_alpha_128(s_lo) : fixed;
        const __m128i a_hi = args.alpha < 0 ? pixel_alpha_128(s_hi) : fixed;
        const __m128i lo = blend_lanes_128(s_lo, _mm_unpacklo_epi8(d, zero), a_lo);
        const __m128i hi = blend_lanes_128(s_hi, _mm_unpackhi_epi8(d, zero), a_hi);
        const __m128i blended = _mm_packus_epi16(lo, hi);
        _mm_storeu_si128(dp, _mm_or_si128(_mm_andnot_si128(top, blended), _mm_and_si128(top, d)));
        any = true;
    }
    const bool tail = put_alpha_row(dst + 4 * x, src + 4 * x, count - x, args);
    return (any && (args.alpha != 0)) || tail;
}

// The same, eight pixels a step.
PUT_AVX2 inline bool alpha_avx2(uint8_t* dst, const uint8_t* src, int count, const PutArgs& args) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i top = _mm256_set1_epi32(static_cast<int>(0xFF000000u));
    const __m256i fixed = _mm256_set1_epi16(static_cast<short>(args.alpha < 0 ? 0 : args.alpha));
    bool any = false;
    int x = 0;
    for (; x + 8 <= count; x += 8) {
        const __m256i s = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + 4 * x));
        if (args.alpha < 0 && static_cast<unsigned>(_mm256_movemask_epi8(_mm256_cmpeq_epi32(
                                  _mm256_and_si256(s, top), zero))) == 0xFFFFFFFFu) {
            continue;
        }
        __m256i* dp = reinterpret_cast<__m256i*>(dst + 4 * x);
        const __m256i d = _mm256_loadu_si256(dp);
        const __m256i s_lo = _mm256_unpacklo_epi8(s, zero);
        const __m256i s_hi = _mm256_unpackhi_epi8(s, zero);
        const __m256i a_lo = args.alpha < 0 ? pixel_alpha_256(s_lo) : fixed;
        const __m256i a_hi = args.alpha < 0 ? pixel_alpha_256(s_hi) : fixed;
        const __m256i lo = blend_lanes_256(s_lo, _mm256_unpacklo_epi8(d, zero), a_lo);
        const __m256i hi = blend_lanes_256(s_hi, _mm256_unpackhi_epi8(d, zero), a_hi);
        const __m256i blended = _mm256_packus_epi16(lo, hi);
        _mm256_storeu_si256(
            dp, _mm256_or_si256(_mm256_andnot_si256(top, blended), _mm256_and_si256(top, d)));
        any = true;
    }
    const bool tail = alpha_sse2(dst + 4 * x, src + 4 * x, count - x, args);
    return (any && (args.alpha != 0)) || tail;
}

// The row loops around the vector rows, compiled for the level they need.
template <int BYTES>
PUT_SSE2 void transparent_rect_sse2(const PutRect& r) {
    const uint8_t* src = r.src;
    for (int y = 0; y < r.height; ++y, src += r.src_pitch) {
        if (transparent_sse2<BYTES>(r.rows[y] + r.x_bytes, src, r.count, r.args) && r.written) {
            r.written[y] = 1;
        }
    }
}

template <int BYTES>
PUT_AVX2 void transparent_rect_avx2(const PutRect& r) {
    const uint8_t* src = r.src;
    for (int y = 0; y < r.height; ++y, src += r.src_pitch) {
        if (transparent_avx2<BYTES>(r.rows[y] + r.x_bytes, src, r.count, r.args) && r.written) {
            r.written[y] = 1;
        }
    }
}

PUT_SSE2 void alpha_rect_sse2(const PutRect& r) {
    const uint8_t* src = r.src;
    for (int y = 0; y < r.height; ++y, src += r.src_pitch) {
        if (alpha_sse2(r.rows[y] + r.x_bytes, src, r.count, r.args) && r.written) {
            r.written[y] = 1;
        }
    }
}

PUT_AVX2 void alpha_rect_avx2(const PutRect& r) {
    const uint8_t* src = r.src;
    for (int y = 0; y < r.height; ++y, src += r.src_pitch) {
        if (alpha_avx2(r.rows[y] + r.x_bytes, src, r.count, r.args) && r.written) {
            r.written[y] = 1;
        }
    }
}

} // namespace

PutRectFn put_rect_sse2(int mode, int bytes_per_pixel) {
    if (mode == GFX_PUT_TRANSPARENT) {
        return bytes_per_pixel == 1   ? transparent_rect_sse2<1>
               : bytes_per_pixel == 2 ? transparent_rect_sse2<2>
                                      : transparent_rect_sse2<4>;
    }
    return mode == GFX_PUT_ALPHA && bytes_per_pixel == 4 ? alpha_rect_sse2 : nullptr;
}

PutRectFn put_rect_avx2(int mode, int bytes_per_pixel) {
    if (mode == GFX_PUT_TRANSPARENT) {
        return bytes_per_pixel == 1   ? transparent_rect_avx2<1>
               : bytes_per_pixel == 2 ? transparent_rect_avx2<2>
                                      : transparent_rect_avx2<4>;
    }
    return mode == GFX_PUT_ALPHA && bytes_per_pixel == 4 ? alpha_rect_avx2 : nullptr;
}

#else

PutRectFn put_rect_sse2(int, int) { return nullptr; }
PutRectFn put_rect_avx2(int, int) { return nullptr; }

#endif
