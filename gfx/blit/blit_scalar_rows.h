// The scalar row conversions; the vector members use them for the pixels after their last step.
#pragma once

#include <cstdint>

// Paletted rows, looking each index up in a table of display pixels.
void row_lut_to_16(uint8_t* dst, const uint8_t* src, int count, const uint32_t* table);
void row_lut_to_24(uint8_t* dst, const uint8_t* src, int count, const uint32_t* table);
void row_lut_to_32(uint8_t* dst, const uint8_t* src, int count, const uint32_t* table);

// 16-bit rows.
void row_16_to_15(uint8_t* dst, const uint8_t* src, int count, const uint32_t* table);
void row_16_to_15_redlow(uint8_t* dst, const uint8_t* src, int count, const uint32_t* table);
void row_16_to_16_redlow(uint8_t* dst, const uint8_t* src, int count, const uint32_t* table);
void row_16_to_24(uint8_t* dst, const uint8_t* src, int count, const uint32_t* table);
void row_16_to_32(uint8_t* dst, const uint8_t* src, int count, const uint32_t* table);

// 32-bit rows.
void row_32_to_15(uint8_t* dst, const uint8_t* src, int count, const uint32_t* table);
void row_32_to_15_redlow(uint8_t* dst, const uint8_t* src, int count, const uint32_t* table);
void row_32_to_16(uint8_t* dst, const uint8_t* src, int count, const uint32_t* table);
void row_32_to_16_redlow(uint8_t* dst, const uint8_t* src, int count, const uint32_t* table);
void row_32_to_24(uint8_t* dst, const uint8_t* src, int count, const uint32_t* table);
void row_32_to_24_redlow(uint8_t* dst, const uint8_t* src, int count, const uint32_t* table);
void row_32_to_32_redlow(uint8_t* dst, const uint8_t* src, int count, const uint32_t* table);
