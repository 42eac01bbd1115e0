// Block copy and fill: the C library's versions or MMX versions, chosen at every mode set.
#include <cstring>
#include <mmintrin.h>

#include "gfx/core/pixel.h"

// An 8-byte MMX value that may sit at any address and alias any bytes, spelled so that every
// compiler takes it (not all of them name one).
typedef __m64 UnalignedM64 __attribute__((__aligned__(1), __may_alias__));

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
        *reinterpret_cast<UnalignedM64*>(d) = *reinterpret_cast<const UnalignedM64*>(s);
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
        *reinterpret_cast<UnalignedM64*>(d) = wide;
        d += 8;
    }
    _mm_empty();
    return dest;
}
