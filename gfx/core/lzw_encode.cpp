// Packing of data as 12-bit LZW streams; used by the generator of the built-in data block.
#include <array>
#include <cstring>

#include "gfx/core/builtin_data.h"
#include "gfx/core/lzw_codes.h"

namespace {

constexpr unsigned HASH_SLOTS = 5021; // prime, so the probe sequence visits every slot
constexpr uint16_t EMPTY_SLOT = 0xFFFF;

// One slot of the encoder's table: the code of the string (prefix, byte), or EMPTY_SLOT.
struct HashSlot {
    uint16_t code;
    uint16_t prefix;
    uint8_t byte;
};

// The output side of the encoder: packs codes two into three bytes within a fixed capacity.
struct CodeWriter {
    uint8_t* dest;
    size_t capacity;
    size_t count; // codes written so far

    // Writes the next code; false when its bytes would pass the capacity.
    bool put(unsigned code) {
        if (lzw_code_end(count) > capacity) {
            return false;
        }
        if (count % 2 == 0) {
            size_t at = 3 * count / 2;
            dest[at] = static_cast<uint8_t>(code);
            dest[at + 1] = static_cast<uint8_t>((code >> 8) & 0x0F);
        } else {
            size_t at = (3 * count - 1) / 2;
            dest[at] = static_cast<uint8_t>(dest[at] | ((code & 0x0F) << 4));
            dest[at + 1] = static_cast<uint8_t>(code >> 4);
        }
        ++count;
        return true;
    }

    // Bytes used by the codes written so far (the last one may be half filled).
    size_t bytes_used() const { return count == 0 ? 0 : lzw_code_end(count - 1); }
};

} // namespace

// Packs src into dest; *length is the capacity on entry and the bytes used on return.
int lzw_encode(const uint8_t* src, size_t src_length, uint8_t* dest, size_t* length) {
    if (length == nullptr || (src == nullptr && src_length > 0)) {
        return -1;
    }
    CodeWriter out{dest, dest != nullptr ? *length : 0, 0};
    *length = 0;
    if (src_length == 0) {
        // An empty input is a stream of the end code alone.
        if (!out.put(LZW_END_CODE)) {
            return -1;
        }
        *length = out.bytes_used();
        return 0;
    }

    std::array<HashSlot, HASH_SLOTS> table;
    std::memset(table.data(), 0xFF, sizeof(table));
    unsigned next_free = LZW_FIRST_ENTRY;
    unsigned prefix = src[0];
    for (size_t i = 1; i < src_length; ++i) {
        uint8_t c = src[i];
        unsigned h = (static_cast<unsigned>(c) << 4) ^ prefix;
        unsigned step = (h == 0) ? 1 : HASH_SLOTS - h;
        while (table[h].code != EMPTY_SLOT && (table[h].prefix != prefix || table[h].byte != c)) {
            h = (h + step) % HASH_SLOTS;
        }
        if (table[h].code != EMPTY_SLOT) {
            prefix = table[h].code;
            continue;
        }
        if (next_free <= LZW_LAST_ENTRY) {
            table[h] = {static_cast<uint16_t>(next_free), static_cast<uint16_t>(prefix), c};
            ++next_free;
        }
        if (!out.put(prefix)) {
            *length = out.bytes_used();
            return -1;
        }
        prefix = c;
    }
    if (!out.put(prefix) || !out.put(LZW_END_CODE)) {
        *length = out.bytes_used();
        return -1;
    }
    *length = out.bytes_used();
    return 0;
}
