// Packing four 32-bit pixels per register down to three bytes each, for the 24-bit members.
#pragma once

#include "gfx/blit/blit_cpu.h"

#ifdef BLIT_X86
#include <immintrin.h>

// Byte shuffle taking bytes 0, 1, 2 of each 32-bit lane to the low 12 bytes, in order.
BLIT_SSSE3 inline __m128i pack24_keep_order() {
    return _mm_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1);
}

// Byte shuffle taking bytes 2, 1, 0 of each 32-bit lane to the low 12 bytes (red and blue
// exchanged).
BLIT_SSSE3 inline __m128i pack24_swap_order() {
    return _mm_setr_epi8(2, 1, 0, 6, 5, 4, 10, 9, 8, 14, 13, 12, -1, -1, -1, -1);
}

// Stores four registers whose low 12 bytes each hold four 24-bit pixels (the top four bytes
// zero) as 48 consecutive bytes.
BLIT_SSE2 inline void store_48_packed(uint8_t* dst, __m128i a, __m128i b, __m128i c, __m128i d) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), _mm_or_si128(a, _mm_slli_si128(b, 12)));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + 16),
                     _mm_or_si128(_mm_srli_si128(b, 4), _mm_slli_si128(c, 8)));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + 32),
                     _mm_or_si128(_mm_srli_si128(c, 8), _mm_slli_si128(d, 4)));
}

// Stores sixteen pixels held four to a register as 48 bytes of 24-bit pixels, using `order`
// to pick the three bytes of each.
BLIT_SSSE3 inline void store_48(uint8_t* dst, __m128i a, __m128i b, __m128i c, __m128i d,
                                __m128i order) {
    store_48_packed(dst, _mm_shuffle_epi8(a, order), _mm_shuffle_epi8(b, order),
                    _mm_shuffle_epi8(c, order), _mm_shuffle_epi8(d, order));
}

// Packs four 32-bit pixels into the low 12 bytes of a register, bytes 0, 1, 2 of each in order,
// with shifts and masks only: pairs of pixels are joined within each 64-bit half, then the
// upper half is moved down next to the lower.
BLIT_SSE2 inline __m128i pack_12(__m128i p) {
    const __m128i even = _mm_and_si128(p, _mm_set_epi32(0, 0xFFFFFF, 0, 0xFFFFFF));
    const __m128i odd =
        _mm_and_si128(_mm_srli_epi64(p, 8), _mm_set_epi32(0xFFFF, static_cast<int>(0xFF000000u),
                                                          0xFFFF, static_cast<int>(0xFF000000u)));
    const __m128i halves = _mm_or_si128(even, odd);
    return _mm_or_si128(_mm_move_epi64(halves),
                        _mm_srli_si128(_mm_unpackhi_epi64(_mm_setzero_si128(), halves), 2));
}
#endif
