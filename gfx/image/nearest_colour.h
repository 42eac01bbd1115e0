// The palette entry closest to a true colour, for pictures shown on paletted screens.
#pragma once

#include <cstdint>

// Finds, among the first count entries of a palette of 0x00BBGGRR colours, the one nearest to a
// colour (squared distance of the 8-bit components; the lowest index among equals), remembering
// recent answers.
class NearestColour {
public:
    NearestColour(const uint32_t* palette, int count);

    uint8_t find(uint8_t red, uint8_t green, uint8_t blue);

private:
    static constexpr int CACHE_SIZE = 4096;
    const uint32_t* palette_;
    int count_;
    uint32_t keys_[CACHE_SIZE]; // colour | 0x1000000 when the slot holds an answer
    uint8_t answers_[CACHE_SIZE];
};
