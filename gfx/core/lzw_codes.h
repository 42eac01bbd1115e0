// The 12-bit code layout shared by the LZW decoder and encoder.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr unsigned LZW_FIRST_ENTRY = 256; // first dictionary code; 0..255 are byte values
constexpr unsigned LZW_LAST_ENTRY = 4094; // the dictionary stops growing once it holds this code
constexpr unsigned LZW_END_CODE = 4095;   // ends every stream

// Index one past the last byte that code number k (0-based) of a stream occupies.
constexpr size_t lzw_code_end(size_t k) {
    return (k % 2 == 0) ? 3 * k / 2 + 2 : (3 * k + 1) / 2 + 1;
}
