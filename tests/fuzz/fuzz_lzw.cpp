// libFuzzer target: the LZW decoder on arbitrary streams, with a round trip through the encoder.
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "gfx/core/builtin_data.h"

// The first two bytes give the output capacity (so short and exact buffers are tried), the rest
// is the stream. Whatever decodes must encode and decode back to the same bytes.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const std::size_t capacity = static_cast<std::size_t>(data[0] | (data[1] << 8));
    // exactly `capacity` bytes, so that any write past it is caught
    std::vector<uint8_t> out(capacity);
    std::size_t length = capacity;
    if (lzw_decode(data + 2, size - 2, out.data(), &length) != 0) {
        return 0;
    }
    if (length > capacity) {
        std::abort();
    }
    std::vector<uint8_t> packed(2 * length + 16);
    std::size_t packed_length = packed.size();
    if (lzw_encode(out.data(), length, packed.data(), &packed_length) != 0) {
        std::abort();
    }
    std::vector<uint8_t> again(length);
    std::size_t again_length = length;
    if (lzw_decode(packed.data(), packed_length, again.data(), &again_length) != 0 ||
        again_length != length || !std::equal(again.begin(), again.end(), out.begin())) {
        std::abort();
    }
    return 0;
}
