// The runtime's string: bytes, a length and a capacity.
//
// The top bit of `length` (RT_STRING_TEMP) marks a temporary: a string handed to a callee that
// owns it from then on and must release it once used.
#pragma once

#include <cstdint>

constexpr uint32_t RT_STRING_TEMP = 0x80000000u;

struct RtString {
    char* data;        // zero-terminated when not null
    uint32_t length;   // byte count in the low 31 bits, RT_STRING_TEMP on top
    uint32_t capacity; // bytes allocated for data, terminator included
};

// The byte count of s, without the temporary bit.
inline uint32_t rt_string_length(const RtString* s) { return s ? (s->length & ~RT_STRING_TEMP) : 0; }

// Whether s is a temporary that its receiver must release.
inline bool rt_string_is_temp(const RtString* s) { return s && (s->length & RT_STRING_TEMP) != 0; }

// Sets dest to the length bytes at src (a length below 0 means up to src's terminator).
// Returns dest, or null when memory runs out (dest keeps its old contents then).
RtString* rt_string_assign(RtString* dest, const char* src, int length);

// A new temporary string holding length bytes of src; null when memory runs out.
RtString* rt_string_temp(const char* src, int length);

// Frees the bytes of s and empties it; the record itself stays with its owner.
void rt_string_clear(RtString* s);

// Releases s when it is a temporary (its bytes and the record); does nothing otherwise.
void rt_string_release_temp(RtString* s);
