// Filling runs of pixels with one colour at the speed of the widest stores the processor has, for
// the drawing operations whose spans are long (boxes, filled circles, flood fill).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

// Fills count pixels of `bytes` bytes each (1, 2 or 4) from dest on with colour, with memset or
// vector stores; for runs of more than 32 bytes.
void fill_pixels_long(uint8_t* dest, uint32_t colour, size_t count, int bytes);

// Fills count pixels of `bytes` bytes each (1, 2 or 4) from dest on with colour (its low bytes).
// Runs of up to 32 bytes take a few 8-byte stores in place; the last store may overlap the one
// before it, which keeps the pattern in phase since 8 is a multiple of every pixel size.
inline void fill_pixels(uint8_t* dest, uint32_t colour, size_t count, int bytes) {
    const size_t n = count * static_cast<size_t>(bytes);
    if (n > 32) {
        fill_pixels_long(dest, colour, count, bytes);
        return;
    }
    uint64_t pattern = bytes == 1   ? (colour & 0xFFu) * 0x0101010101010101ull
                       : bytes == 2 ? (colour & 0xFFFFu) * 0x0001000100010001ull
                                    : uint64_t{colour} * 0x0000000100000001ull;
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
