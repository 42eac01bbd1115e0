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

// Stores sixteen pixels held four to a register as 48 bytes of 24-bit pixels, using `order`
// to pick the three bytes of each.
BLIT_SSSE3 inline void store_48(uint8_t* dst, __m128i a, __m128i b, __m128i c, __m128i d, __m128i order) {
    a = _mm_shuffle_epi8(a, order);
    b = _mm_shuffle_epi8(b, order);
    c = _mm_shuffle_epi8(c, order);
    d = _mm_shuffle_epi8(d, order);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), _mm_or_si128(a, _mm_slli_si128(b, 12)));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + 16), _mm_or_si128(_mm_srli_si128(b, 4), _mm_slli_si128(c, 8)));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + 32), _mm_or_si128(_mm_srli_si128(c, 8), _mm_slli_si128(d, 4)));
}
#endif
