// The runtime string's assignment, temporaries and release.
#include "rt/string.h"

#include <cstdlib>
#include <cstring>

namespace {

// Rounds a byte count (terminator included) up to the allocation step, so that small changes in
// length reuse the buffer.
uint32_t rounded_capacity(uint32_t bytes) { return (bytes + 15u) & ~15u; }

// The byte count that a (src, length) pair names: length below 0 means up to src's terminator;
// a null src names no bytes, and a string cannot be longer than the length field's 31 bits.
uint32_t source_length(const char* src, int length) {
    if (!src) {
        return 0;
    }
    if (length < 0) {
        const size_t n = std::strlen(src);
        return n < RT_STRING_TEMP ? static_cast<uint32_t>(n) : RT_STRING_TEMP - 1;
    }
    return static_cast<uint32_t>(length);
}

} // namespace

// Copies the bytes into dest, growing its buffer when it is too small, so that dest's data is never
// null afterwards. The old buffer is freed only after the copy, so src may point into dest itself.
RtString* rt_string_assign(RtString* dest, const char* src, int length) {
    if (!dest) {
        return nullptr;
    }
    const uint32_t count = source_length(src, length);
    const uint32_t temp_bit = dest->length & RT_STRING_TEMP;
    if (!dest->data || dest->capacity < count + 1) {
        const uint32_t capacity = rounded_capacity(count + 1);
        char* bytes = static_cast<char*>(std::malloc(capacity));
        if (!bytes) {
            return nullptr;
        }
        if (count) {
            std::memcpy(bytes, src, count);
        }
        bytes[count] = '\0';
        std::free(dest->data);
        dest->data = bytes;
        dest->capacity = capacity;
    } else {
        if (count) {
            std::memmove(dest->data, src, count);
        }
        dest->data[count] = '\0';
    }
    dest->length = count | temp_bit;
    return dest;
}

// Allocates a record and its bytes together; on failure nothing stays allocated.
RtString* rt_string_temp(const char* src, int length) {
    RtString* s = static_cast<RtString*>(std::malloc(sizeof(RtString)));
    if (!s) {
        return nullptr;
    }
    *s = RtString{nullptr, 0, 0};
    if (!rt_string_assign(s, src, length)) {
        std::free(s);
        return nullptr;
    }
    s->length |= RT_STRING_TEMP;
    return s;
}

// Frees the bytes and leaves an empty string that keeps its temporary mark.
void rt_string_clear(RtString* s) {
    if (!s) {
        return;
    }
    std::free(s->data);
    s->data = nullptr;
    s->length &= RT_STRING_TEMP;
    s->capacity = 0;
}

// Frees a temporary entirely; strings owned elsewhere are left alone.
void rt_string_release_temp(RtString* s) {
    if (!rt_string_is_temp(s)) {
        return;
    }
    std::free(s->data);
    std::free(s);
}

// Assigns to an RtString or copies into a fixed buffer, as kind says.
int rt_string_store(void* dest, int size, int kind, const char* src, int length) {
    if (!dest) {
        return -1;
    }
    if (kind == RT_DEST_STRING) {
        return rt_string_assign(static_cast<RtString*>(dest), src, length) ? 0 : -1;
    }
    if (kind != RT_DEST_FIXED || size < 1) {
        return -1;
    }
    uint32_t count = source_length(src, length);
    if (count > static_cast<uint32_t>(size - 1)) {
        count = static_cast<uint32_t>(size - 1);
    }
    char* bytes = static_cast<char*>(dest);
    if (count) {
        std::memmove(bytes, src, count);
    }
    bytes[count] = '\0';
    return 0;
}

// One unit per byte, read as an unsigned code 0..255.
void rt_widen_line(uint16_t* dest, int size, const char* src) {
    int n = 0;
    for (; src && src[n] != '\0' && n < size - 1; ++n) {
        dest[n] = static_cast<uint8_t>(src[n]);
    }
    dest[n] = 0;
}

// Narrows unit by unit; a surrogate pair gives one "?".
int rt_narrow_wide(const uint16_t* text, int length, char* out) {
    int n = 0;
    for (int i = 0; text && i < length; ++i) {
        const uint16_t u = text[i];
        if (u < 256) {
            out[n++] = static_cast<char>(u);
            continue;
        }
        out[n++] = '?';
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < length) {
            ++i;
        }
    }
    out[n] = '\0';
    return n;
}
