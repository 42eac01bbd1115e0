// Block copy and fill: the C library's versions or MMX versions, chosen at every mode set.
#include <cstring>
#include <mmintrin.h>

#include "gfx/core/pixel.h"

FastCopyFn fast_copy = std::memcpy;
FastFillFn fast_fill = std::memset;

// Copies count bytes: a 1-, 2- and 4-byte piece as the count's low bits ask, then 8-byte moves.
__attribute__((target("mmx"))) void* fast_copy_mmx(void* dest, const void* src, size_t count) {
    auto* d = static_cast<uint8_t*>(dest);
    const auto* s = static_cast<const uint8_t*>(src);
    for (size_t piece = 1; piece <= 4; piece <<= 1) {
        if (count & piece) {
            std::memcpy(d, s, piece);
            d += piece;
            s += piece;
        }
    }
    for (size_t n = count / 8; n > 0; --n) {
        *reinterpret_cast<__m64_u*>(d) = *reinterpret_cast<const __m64_u*>(s);
        d += 8;
        s += 8;
    }
    _mm_empty();
    return dest;
}

// Fills count bytes with value in the same order of stores as fast_copy_mmx.
__attribute__((target("mmx"))) void* fast_fill_mmx(void* dest, int value, size_t count) {
    auto* d = static_cast<uint8_t*>(dest);
    const auto byte = static_cast<uint8_t>(value);
    const uint8_t pattern[8] = {byte, byte, byte, byte, byte, byte, byte, byte};
    for (size_t piece = 1; piece <= 4; piece <<= 1) {
        if (count & piece) {
            std::memcpy(d, pattern, piece);
            d += piece;
        }
    }
    const __m64 wide = _mm_set1_pi8(static_cast<char>(byte));
    for (size_t n = count / 8; n > 0; --n) {
        *reinterpret_cast<__m64_u*>(d) = wide;
        d += 8;
    }
    _mm_empty();
    return dest;
}
