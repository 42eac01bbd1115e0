// Pixel runs filled with memset for 8-bit pixels and with 16- or 32-byte vector stores for 16-
// and 32-bit pixels, chosen by the processor's vector level.
#include "gfx/core/pixel_fill.h"

#include <cstring>

#include "gfx/core/cpu_isa.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define PIXEL_FILL_X86 1
#endif

namespace {

// Stores the 32-bit pattern n times from d on, four bytes at a time.
void fill_words(uint8_t* d, uint32_t pattern, size_t n) {
    for (size_t i = 0; i < n; ++i) {
        std::memcpy(d + 4 * i, &pattern, sizeof pattern);
    }
}

#ifdef PIXEL_FILL_X86

// Stores the pattern over `bytes` bytes (a multiple of 4) with 16-byte stores.
__attribute__((target("sse2"))) void fill_sse2(uint8_t* d, uint32_t pattern, size_t bytes) {
    const __m128i v = _mm_set1_epi32(static_cast<int>(pattern));
    size_t i = 0;
    for (; i + 64 <= bytes; i += 64) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i), v);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i + 16), v);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i + 32), v);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i + 48), v);
    }
    for (; i + 16 <= bytes; i += 16) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i), v);
    }
    fill_words(d + i, pattern, (bytes - i) / 4);
}

// Stores the pattern over `bytes` bytes (a multiple of 4) with 32-byte stores, aligned ones once
// the destination reaches a 32-byte boundary.
__attribute__((target("avx2"))) void fill_avx2(uint8_t* d, uint32_t pattern, size_t bytes) {
    const __m256i v = _mm256_set1_epi32(static_cast<int>(pattern));
    if (bytes < 32) {
        fill_words(d, pattern, bytes / 4);
        return;
    }
    // One unaligned store covers the head; the pattern repeats every 4 bytes, so the aligned
    // stores that follow keep its phase when the distance to the boundary is a multiple of 4.
    const size_t head = (32 - (reinterpret_cast<uintptr_t>(d) & 31)) & 31;
    size_t i = 0;
    if (head % 4 == 0) {
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(d), v);
        i = head;
        for (; i + 128 <= bytes; i += 128) {
            _mm256_store_si256(reinterpret_cast<__m256i*>(d + i), v);
            _mm256_store_si256(reinterpret_cast<__m256i*>(d + i + 32), v);
            _mm256_store_si256(reinterpret_cast<__m256i*>(d + i + 64), v);
            _mm256_store_si256(reinterpret_cast<__m256i*>(d + i + 96), v);
        }
    }
    for (; i + 32 <= bytes; i += 32) {
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + i), v);
    }
    if (i < bytes) {
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + bytes - 32), v);
    }
}

#endif

} // namespace

// Fills the run: memset where every byte of the pixels is the same, else a repeated 32-bit
// pattern (two 16-bit pixels, or one 32-bit pixel) with the widest stores available.
void fill_pixels_long(uint8_t* dest, uint32_t colour, size_t count, int bytes) {
    if (count == 0) {
        return;
    }
    if (bytes == 1) {
        std::memset(dest, static_cast<int>(colour & 0xFF), count);
        return;
    }
    size_t n = count * static_cast<size_t>(bytes);
    uint32_t pattern = colour;
    if (bytes == 2) {
        pattern = (colour & 0xFFFF) * 0x10001u;
        if (n % 4 != 0) {
            const auto last = static_cast<uint16_t>(colour);
            std::memcpy(dest + n - 2, &last, sizeof last);
            n -= 2;
        }
    }
    if ((pattern & 0xFF) * 0x01010101u == pattern) {
        std::memset(dest, static_cast<int>(pattern & 0xFF), n);
        return;
    }
#ifdef PIXEL_FILL_X86
    const CpuIsa isa = cpu_isa();
    if (isa >= CpuIsa::AVX2) {
        fill_avx2(dest, pattern, n);
        return;
    }
    if (isa >= CpuIsa::SSE2) {
        fill_sse2(dest, pattern, n);
        return;
    }
#endif
    fill_words(dest, pattern, n / 4);
}
