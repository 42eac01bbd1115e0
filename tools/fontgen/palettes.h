// The four built-in palettes, built from their rules as 8-bit red, green, blue triplets.
#pragma once

#include <cstdint>
#include <vector>

// Black and white.
std::vector<uint8_t> make_palette_2();

// The sixteen colours of the classic colour text modes.
std::vector<uint8_t> make_palette_16();

// The 64 colours of the enhanced modes: two bits per channel from the six bits of the index.
std::vector<uint8_t> make_palette_64();

// The classic 256-colour start-up palette, each 6-bit level v stored as v * 255 / 63.
std::vector<uint8_t> make_palette_256();
