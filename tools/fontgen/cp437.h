// Code page 437 as Unicode code points, for picking glyphs out of console fonts.
#pragma once

#include <cstdint>

// The Unicode code points that show one code page 437 character: the usual one first, then
// others that fonts use for the same shape; unused slots are 0.
struct Cp437Char {
    uint32_t unicode[3];
};

// Entry c is code page 437 character c. Entry 0 is the blank glyph and is not looked up.
extern const Cp437Char CP437_UNICODE[256];
