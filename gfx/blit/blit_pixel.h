// Per-pixel conversions shared by the scalar members and the row tails of the vector members.
// Palette entries are 0x00BBGGRR, 16-bit pixels RGB565 with red on top, 32-bit pixels 0xXXRRGGBB.
#pragma once

#include <cstdint>

// The channels of a palette entry.
constexpr uint32_t entry_red(uint32_t e) { return e & 0xFF; }
constexpr uint32_t entry_green(uint32_t e) { return (e >> 8) & 0xFF; }
constexpr uint32_t entry_blue(uint32_t e) { return (e >> 16) & 0xFF; }

// Packs 8-bit channels into a 15-bit display pixel, red on top.
constexpr uint32_t pack_15(uint32_t r, uint32_t g, uint32_t b) {
    return (r >> 3) << 10 | (g >> 3) << 5 | b >> 3;
}

// Packs 8-bit channels into a 16-bit display pixel, red on top.
constexpr uint32_t pack_16(uint32_t r, uint32_t g, uint32_t b) {
    return (r >> 3) << 11 | (g >> 2) << 5 | b >> 3;
}

// Palette entry to each display format; a red-low display is the red-high packing with red and
// blue exchanged. 24-bit results hold the three bytes in memory order in their low 24 bits.
constexpr uint32_t entry_to_15(uint32_t e) {
    return pack_15(entry_red(e), entry_green(e), entry_blue(e));
}
constexpr uint32_t entry_to_15_redlow(uint32_t e) {
    return pack_15(entry_blue(e), entry_green(e), entry_red(e));
}
constexpr uint32_t entry_to_16(uint32_t e) {
    return pack_16(entry_red(e), entry_green(e), entry_blue(e));
}
constexpr uint32_t entry_to_16_redlow(uint32_t e) {
    return pack_16(entry_blue(e), entry_green(e), entry_red(e));
}
constexpr uint32_t entry_to_32(uint32_t e) {
    return entry_red(e) << 16 | entry_green(e) << 8 | entry_blue(e);
}
constexpr uint32_t entry_to_32_redlow(uint32_t e) { return e; }

// 16-bit framebuffer pixel to the 15-bit and red-low 16-bit display formats.
constexpr uint32_t rgb16_to_15(uint32_t s) { return (s & 0x1F) | ((s >> 1) & 0x7FE0); }
constexpr uint32_t rgb16_to_15_redlow(uint32_t s) {
    return (s & 0x1F) << 10 | ((s >> 1) & 0x3E0) | s >> 11;
}
constexpr uint32_t rgb16_to_16_redlow(uint32_t s) {
    return (s & 0x1F) << 11 | (s & 0x7E0) | s >> 11;
}

// The channels of a 32-bit framebuffer pixel.
constexpr uint32_t pixel_red(uint32_t p) { return (p >> 16) & 0xFF; }
constexpr uint32_t pixel_green(uint32_t p) { return (p >> 8) & 0xFF; }
constexpr uint32_t pixel_blue(uint32_t p) { return p & 0xFF; }

// 32-bit framebuffer pixel to each display format other than its own.
constexpr uint32_t rgb32_to_15(uint32_t p) {
    return pack_15(pixel_red(p), pixel_green(p), pixel_blue(p));
}
constexpr uint32_t rgb32_to_15_redlow(uint32_t p) {
    return pack_15(pixel_blue(p), pixel_green(p), pixel_red(p));
}
constexpr uint32_t rgb32_to_16(uint32_t p) {
    return pack_16(pixel_red(p), pixel_green(p), pixel_blue(p));
}
constexpr uint32_t rgb32_to_16_redlow(uint32_t p) {
    return pack_16(pixel_blue(p), pixel_green(p), pixel_red(p));
}
constexpr uint32_t rgb32_to_32_redlow(uint32_t p) {
    return pixel_blue(p) << 16 | (p & 0xFF00) | pixel_red(p);
}
