// Expansion of 12-bit LZW streams (the built-in data block is one).
#include <array>

#include "gfx/core/builtin_data.h"
#include "gfx/core/lzw_codes.h"

namespace {

// One dictionary entry: the code of its string without the last byte, and that last byte.
struct LzwEntry {
    uint16_t prefix;
    uint8_t last;
};

// Reads code number k of the stream; the caller has checked that its bytes are present.
unsigned read_code(const uint8_t* src, size_t k) {
    if (k % 2 == 0) {
        size_t at = 3 * k / 2;
        return src[at] | ((src[at + 1] & 0x0Fu) << 8);
    }
    size_t at = (3 * k - 1) / 2;
    return (src[at] >> 4) | (static_cast<unsigned>(src[at + 1]) << 4);
}

// Appends len bytes to the output without passing its capacity; false when they did not all fit.
bool put_bytes(const uint8_t* bytes, size_t len, uint8_t* dest, size_t capacity, size_t* written) {
    size_t room = capacity - *written;
    size_t n = len < room ? len : room;
    for (size_t i = 0; i < n; ++i) {
        dest[*written + i] = bytes[i];
    }
    *written += n;
    return n == len;
}

// Spells the string of a defined code into stack so that it ends just before index end, and
// returns where it starts, or -1 when the prefix chain is longer than any dictionary could make.
int spell_code(const LzwEntry* dict, unsigned code, uint8_t* stack, size_t end) {
    size_t top = end;
    unsigned links = 0;
    while (code >= LZW_FIRST_ENTRY) {
        if (++links > LZW_LAST_ENTRY) {
            return -1;
        }
        stack[--top] = dict[code].last;
        code = dict[code].prefix;
    }
    stack[--top] = static_cast<uint8_t>(code);
    return static_cast<int>(top);
}

} // namespace

// Expands src into dest; *length is the capacity on entry and the bytes written on return.
int lzw_decode(const uint8_t* src, size_t src_length, uint8_t* dest, size_t* length) {
    if (length == nullptr) {
        return -1;
    }
    size_t capacity = (dest != nullptr) ? *length : 0;
    size_t written = 0;
    *length = 0;
    if (src == nullptr || src_length < lzw_code_end(0)) {
        return -1;
    }

    unsigned previous = read_code(src, 0);
    if (previous == LZW_END_CODE) {
        return 0;
    }
    if (previous >= LZW_FIRST_ENTRY) {
        return -1;
    }
    uint8_t first_byte = static_cast<uint8_t>(previous);
    if (!put_bytes(&first_byte, 1, dest, capacity, &written)) {
        *length = written;
        return -1;
    }

    std::array<LzwEntry, LZW_LAST_ENTRY + 1> dict{};
    std::array<uint8_t, 4096> stack{};
    unsigned next_free = LZW_FIRST_ENTRY;
    int result = -1;
    for (size_t k = 1; lzw_code_end(k) <= src_length; ++k) {
        unsigned code = read_code(src, k);
        if (code == LZW_END_CODE) {
            result = 0;
            break;
        }
        size_t end = stack.size();
        int start;
        if (code < next_free) {
            start = spell_code(dict.data(), code, stack.data(), end);
        } else if (code == next_free) {
            // Not yet defined: the previous string followed by its own first byte.
            stack[--end] = first_byte;
            start = spell_code(dict.data(), previous, stack.data(), end);
            end = stack.size();
        } else {
            break;
        }
        if (start < 0) {
            break;
        }
        size_t len = end - static_cast<size_t>(start);
        first_byte = stack[static_cast<size_t>(start)];
        if (!put_bytes(stack.data() + start, len, dest, capacity, &written)) {
            break;
        }
        if (next_free <= LZW_LAST_ENTRY) {
            dict[next_free] = {static_cast<uint16_t>(previous), first_byte};
            ++next_free;
        }
        previous = code;
    }
    *length = written;
    return result;
}
