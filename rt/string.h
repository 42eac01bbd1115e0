// The runtime's string: bytes, a length and a capacity.
//
// The top bit of `length` (RT_STRING_TEMP) marks a temporary: a string handed to a callee that
// owns it from then on and must release it once used.
#pragma once

#include <cstdint>

#include "qzgfx.h"

constexpr uint32_t RT_STRING_TEMP = 0x80000000u;

struct RtString {
    char* data;        // zero-terminated when not null
    uint32_t length;   // byte count in the low 31 bits, RT_STRING_TEMP on top
    uint32_t capacity; // bytes allocated for data, terminator included
};

// The byte count of s, without the temporary bit.
inline uint32_t rt_string_length(const RtString* s) {
    return s ? (s->length & ~RT_STRING_TEMP) : 0;
}

// Whether s is a temporary that its receiver must release.
inline bool rt_string_is_temp(const RtString* s) { return s && (s->length & RT_STRING_TEMP) != 0; }

// Sets dest to the length bytes at src (a length below 0 means up to src's terminator).
// Returns dest, or null when memory runs out (dest keeps its old contents then).
RtString* rt_string_assign(RtString* dest, const char* src, int length);

// Frees the bytes of s and empties it; the record itself stays with its owner.
void rt_string_clear(RtString* s);

// Releases s when it is a temporary (its bytes and the record); does nothing otherwise.
void rt_string_release_temp(RtString* s);

// Stores length bytes of src (below 0: up to its terminator) in dest as kind says.
// Returns 0, or -1 for a missing destination, a fixed buffer without room or no memory.
int rt_string_store(void* dest, int size, int kind, const char* src, int length);

// Widens a zero-terminated byte line into size 16-bit units, one unit per byte, cut to
// size - 1 units and zero-terminated (size >= 1).
void rt_widen_line(uint16_t* dest, int size, const char* src);

// Narrows length 16-bit units into out (room for length + 1 bytes): a unit below 256 becomes that
// byte, any other "?", and a high surrogate takes the unit after it along, so that a pair is one
// character. Zero-terminates and returns the number of bytes before the terminator.
int rt_narrow_wide(const uint16_t* text, int length, char* out);
