// Filling runs of pixels with one colour at the speed of the widest stores the processor has, for
// the drawing operations whose spans are long (boxes, filled circles, flood fill).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// Fills count pixels of `bytes` bytes each (1, 2 or 4) from dest on with colour, with memset or
// vector stores; for runs of more than 32 bytes.
void fill_pixels_long(uint8_t* dest, uint32_t colour, size_t count, int bytes);

// Fills count pixels of `bytes` bytes each (1, 2 or 4) from dest on with colour (its low bytes).
// Eight bytes of pixels of the given size, all colour, for stores of 8 or 16 bytes at a time.
inline uint64_t pixel_pattern(uint32_t colour, int bytes) {
    if (bytes == 1) {
        return (colour & 0xFFu) * 0x0101010101010101ull;
    }
    if (bytes == 2) {
        return (colour & 0xFFFFu) * 0x0001000100010001ull;
    }
    return uint64_t{colour} * 0x0000000100000001ull;
}

// Short runs are stored in place, 8 or 16 bytes at a time (512 bytes at most with 16-byte
// stores, 32 without); the last store may overlap the one before it, which keeps the pattern in
// phase since 8 and 16 are multiples of every pixel size.
inline void fill_pixels(uint8_t* dest, uint32_t colour, size_t count, int bytes) {
    const size_t n = count * static_cast<size_t>(bytes);
    const uint64_t pattern = pixel_pattern(colour, bytes);
#if defined(__SSE2__)
    if (n >= 16 && n <= 512) {
        const __m128i v = _mm_set1_epi64x(static_cast<long long>(pattern));
        for (size_t i = 0; i + 16 < n; i += 16) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(dest + i), v);
        }
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dest + n - 16), v);
        return;
    }
#endif
    if (n > 32) {
        fill_pixels_long(dest, colour, count, bytes);
        return;
    }
    if (n >= 8) {
        for (size_t i = 0; i + 8 < n; i += 8) {
            std::memcpy(dest + i, &pattern, 8);
        }
        std::memcpy(dest + n - 8, &pattern, 8);
        return;
    }
    if (n & 4) {
        std::memcpy(dest, &pattern, 4);
        dest += 4;
    }
    if (n & 2) {
        std::memcpy(dest, &pattern, 2);
        dest += 2;
    }
    if (n & 1) {
        *dest = static_cast<uint8_t>(pattern);
    }
}

// Fills `rows` rows of count pixels, the first at dest and each `pitch` bytes after the one
// before: fill_pixels with the pattern and the choice of stores made once for the whole block.
inline void fill_pixel_rows(uint8_t* dest, ptrdiff_t pitch, int rows, uint32_t colour, size_t count,
                            int bytes) {
    const size_t n = count * static_cast<size_t>(bytes);
    const uint64_t pattern = pixel_pattern(colour, bytes);
#if defined(__SSE2__)
    if (n >= 16 && n <= 512) {
        const __m128i v = _mm_set1_epi64x(static_cast<long long>(pattern));
        for (int r = 0; r < rows; ++r, dest += pitch) {
            for (size_t i = 0; i + 16 < n; i += 16) {
                _mm_storeu_si128(reinterpret_cast<__m128i*>(dest + i), v);
            }
            _mm_storeu_si128(reinterpret_cast<__m128i*>(dest + n - 16), v);
        }
        return;
    }
#endif
    if (n >= 8 && n <= 32) {
        for (int r = 0; r < rows; ++r, dest += pitch) {
            for (size_t i = 0; i + 8 < n; i += 8) {
                std::memcpy(dest + i, &pattern, 8);
            }
            std::memcpy(dest + n - 8, &pattern, 8);
        }
        return;
    }
    for (int r = 0; r < rows; ++r, dest += pitch) {
        fill_pixels(dest, colour, count, bytes);
    }
}
