// The row walk every blitter shares, and the unaligned pixel loads and stores its rows use.
#pragma once

#include <cstdint>
#include <cstring>

// Converts `count` pixels of one row from `src` to `dst`. `table` is the member's lookup table:
// display pixels by palette index for paletted sources, gfx_colour_lookup for the 16-to-24/32
// members, unused by the rest.
using BlitRowFn = void (*)(uint8_t* dst, const uint8_t* src, int count, const uint32_t* table);

// Converts each dirty row of the open screen's visible page, read as pixels of `source_bytes`
// bytes, into `scanline_size` consecutive destination rows with `row`; clean rows are not touched.
// Does nothing without an open screen, a page, dirty marks or a destination.
void blit_dirty_rows(uint8_t* dest, int32_t pitch, int source_bytes, BlitRowFn row,
                     const uint32_t* table);

// Reads a little-endian 16-bit pixel.
inline uint32_t load_16(const uint8_t* p) {
    uint16_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// Reads a little-endian 32-bit word.
inline uint32_t load_32(const uint8_t* p) {
    uint32_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// Reads a little-endian 64-bit word.
inline uint64_t load_64(const uint8_t* p) {
    uint64_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// Writes a 64-bit word.
inline void store_64(uint8_t* p, uint64_t v) { std::memcpy(p, &v, sizeof v); }

// Writes the low 16 bits of `v`.
inline void store_16(uint8_t* p, uint32_t v) {
    const uint16_t w = static_cast<uint16_t>(v);
    std::memcpy(p, &w, sizeof w);
}

// Writes a 32-bit word.
inline void store_32(uint8_t* p, uint32_t v) { std::memcpy(p, &v, sizeof v); }

// Writes the low three bytes of `v`, lowest first.
inline void store_24(uint8_t* p, uint32_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
    p[2] = static_cast<uint8_t>(v >> 16);
}
