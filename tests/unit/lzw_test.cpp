// The 12-bit LZW coder: wire format, dictionary growth and its limit, capacity limits, round
// trips, and corrupt streams.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "gfx/core/builtin_data.h"

namespace {

using Bytes = std::vector<uint8_t>;

constexpr uint8_t GUARD = 0xA5;
constexpr size_t GUARD_BYTES = 64;

// Packs codes two into three bytes as the stream format lays them out: an even code takes a
// byte and the low nibble of the next, an odd code the high nibble and one more byte.
Bytes pack_codes(const std::vector<unsigned>& codes) {
    Bytes out((codes.size() * 3 + 1) / 2, 0);
    for (size_t k = 0; k < codes.size(); ++k) {
        unsigned c = codes[k];
        if (k % 2 == 0) {
            out[3 * k / 2] = static_cast<uint8_t>(c & 0xFF);
            out[3 * k / 2 + 1] = static_cast<uint8_t>((c >> 8) & 0x0F);
        } else {
            out[(3 * k - 1) / 2] |= static_cast<uint8_t>((c & 0x0F) << 4);
            out[(3 * k + 1) / 2] = static_cast<uint8_t>(c >> 4);
        }
    }
    return out;
}

// The result of one decode into a buffer followed by guard bytes.
struct Decoded {
    int result;
    Bytes bytes;     // the bytes the decoder reported writing
    bool guard_kept; // nothing was written past the capacity
};

// Decodes src with the given capacity, checking the reported length and the guard bytes.
Decoded decode(const Bytes& src, size_t capacity) {
    Bytes buffer(capacity + GUARD_BYTES, GUARD);
    size_t length = capacity;
    int result = lzw_decode(src.data(), src.size(), buffer.data(), &length);
    Decoded d{result, {}, true};
    EXPECT_LE(length, capacity);
    length = std::min(length, capacity);
    d.bytes.assign(buffer.begin(), buffer.begin() + static_cast<long>(length));
    for (size_t i = capacity; i < buffer.size(); ++i) {
        d.guard_kept = d.guard_kept && buffer[i] == GUARD;
    }
    return d;
}

// Encodes src into a buffer large enough for any input of its size.
Bytes encode(const Bytes& src) {
    Bytes out(src.size() * 2 + 16);
    size_t length = out.size();
    EXPECT_EQ(lzw_encode(src.data(), src.size(), out.data(), &length), 0);
    out.resize(length);
    return out;
}

Bytes text(const char* s) { return Bytes(s, s + std::char_traits<char>::length(s)); }

Bytes random_bytes(size_t n, uint32_t seed, int alphabet = 256) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> dist(0, alphabet - 1);
    Bytes out(n);
    for (auto& b : out) {
        b = static_cast<uint8_t>(dist(rng));
    }
    return out;
}

} // namespace

TEST(LzwFormat, EncoderPacksCodesTwoIntoThreeBytes) {
    // "AB" is the codes 65, 66 and the end code.
    EXPECT_EQ(encode(text("AB")), (Bytes{0x41, 0x20, 0x04, 0xFF, 0x0F}));
    EXPECT_EQ(encode(text("AB")), pack_codes({65, 66, 4095}));
}

TEST(LzwFormat, RepeatedByteUsesTheEntryBeingDefined) {
    EXPECT_EQ(encode(text("AAA")), pack_codes({65, 256, 4095}));
    Decoded d = decode(pack_codes({65, 256, 4095}), 16);
    EXPECT_EQ(d.result, 0);
    EXPECT_EQ(d.bytes, text("AAA"));
}

TEST(LzwFormat, UndefinedNextCodeRepeatsFirstByteOfLongerString) {
    // 256 = "AB", 257 = "BA"; 258 is not yet defined when read: "AB" + "A".
    Decoded d = decode(pack_codes({65, 66, 256, 258, 4095}), 64);
    EXPECT_EQ(d.result, 0);
    EXPECT_EQ(d.bytes, text("ABABABA"));
}

TEST(LzwFormat, EmptyInputIsTheEndCodeAlone) {
    Bytes packed = encode({});
    EXPECT_EQ(packed, pack_codes({4095}));
    Decoded d = decode(packed, 8);
    EXPECT_EQ(d.result, 0);
    EXPECT_TRUE(d.bytes.empty());
}

TEST(LzwFormat, BytesAfterTheEndCodeAreIgnored) {
    Bytes packed = pack_codes({72, 73, 4095, 65, 66, 67});
    Decoded d = decode(packed, 16);
    EXPECT_EQ(d.result, 0);
    EXPECT_EQ(d.bytes, text("HI"));
}

TEST(LzwDictionary, FullDictionaryStaysUnchanged) {
    // 3840 byte codes define entries 256..4094 as the pairs (b[k], b[k + 1]).
    std::vector<unsigned> codes;
    Bytes expected;
    auto byte_at = [](unsigned k) { return static_cast<uint8_t>((k * 7 + k / 251) % 251); };
    for (unsigned k = 0; k < 3840; ++k) {
        codes.push_back(byte_at(k));
        expected.push_back(byte_at(k));
    }
    // Later codes must neither redefine 4094 nor define anything past it.
    for (unsigned code : {4094u, 256u, 4094u, 300u, 65u, 4094u}) {
        codes.push_back(code);
        unsigned k = code >= 256 ? code - 256 : 0;
        if (code >= 256) {
            expected.push_back(byte_at(k));
            expected.push_back(byte_at(k + 1));
        } else {
            expected.push_back(static_cast<uint8_t>(code));
        }
    }
    codes.push_back(4095);
    Decoded d = decode(pack_codes(codes), expected.size() + 10);
    EXPECT_EQ(d.result, 0);
    EXPECT_EQ(d.bytes, expected);
}

TEST(LzwDictionary, StreamEndingWithoutEndCodeAfterFillingFails) {
    std::vector<unsigned> codes(3840, 'x');
    codes.push_back(4094);
    Decoded truncated = decode(pack_codes(codes), 8000);
    EXPECT_EQ(truncated.result, -1);
    codes.push_back(4095);
    Decoded ok = decode(pack_codes(codes), 8000);
    EXPECT_EQ(ok.result, 0);
    EXPECT_EQ(ok.bytes, Bytes(3842, 'x'));
    EXPECT_EQ(truncated.bytes, ok.bytes);
}

TEST(LzwDictionary, LongVariedInputRoundTripsPastTheFullDictionary) {
    Bytes src = random_bytes(40000, 7, 64);
    Bytes packed = encode(src);
    // Far more codes than the dictionary has entries, so it filled early on.
    EXPECT_GT(packed.size() * 2 / 3, 3 * 4096u);
    Decoded d = decode(packed, src.size());
    EXPECT_EQ(d.result, 0);
    EXPECT_EQ(d.bytes, src);
}

TEST(LzwRoundTrip, ManySizesAndKinds) {
    std::vector<Bytes> inputs;
    for (size_t n : {0, 1, 2, 3, 4, 5, 17, 255, 256, 1000, 4096, 65536}) {
        inputs.push_back(random_bytes(n, static_cast<uint32_t>(n) + 1));
        inputs.push_back(random_bytes(n, static_cast<uint32_t>(n) + 2, 3));
    }
    inputs.push_back(Bytes(100000, 0)); // the longest strings the dictionary can hold
    inputs.push_back(Bytes(7, 0xFF));
    Bytes ramp;
    for (int i = 0; i < 30000; ++i) {
        ramp.push_back(static_cast<uint8_t>(i % 13 == 0 ? i / 13 : i % 5));
    }
    inputs.push_back(ramp);
    for (const Bytes& src : inputs) {
        SCOPED_TRACE(src.size());
        Bytes packed = encode(src);
        Decoded d = decode(packed, src.size());
        EXPECT_EQ(d.result, 0);
        EXPECT_EQ(d.bytes, src);
        EXPECT_TRUE(d.guard_kept);
    }
}

TEST(LzwLimits, DecodeStopsAtCapacityAfterFillingIt) {
    Bytes src = random_bytes(1000, 11, 4);
    Bytes packed = encode(src);
    for (size_t capacity : {0, 1, 2, 500, 777, 999}) {
        SCOPED_TRACE(capacity);
        Decoded d = decode(packed, capacity);
        EXPECT_EQ(d.result, -1);
        EXPECT_EQ(d.bytes, Bytes(src.begin(), src.begin() + static_cast<long>(capacity)));
        EXPECT_TRUE(d.guard_kept);
    }
    EXPECT_EQ(decode(packed, 1000).result, 0);
}

TEST(LzwLimits, EncodeFailsWhenDestinationIsFull) {
    Bytes src = random_bytes(3000, 5);
    size_t needed = encode(src).size();
    for (size_t capacity : {size_t{0}, size_t{1}, size_t{2}, size_t{3}, needed / 2, needed - 1}) {
        SCOPED_TRACE(capacity);
        Bytes out(capacity + GUARD_BYTES, GUARD);
        size_t length = capacity;
        EXPECT_EQ(lzw_encode(src.data(), src.size(), out.data(), &length), -1);
        EXPECT_LE(length, capacity);
        for (size_t i = capacity; i < out.size(); ++i) {
            ASSERT_EQ(out[i], GUARD);
        }
    }
    // Even an empty input needs two bytes for its end code.
    Bytes one(1, GUARD);
    size_t length = 1;
    EXPECT_EQ(lzw_encode(nullptr, 0, one.data(), &length), -1);
    EXPECT_EQ(one[0], GUARD);
}

TEST(LzwCorrupt, MalformedStreamsFailCleanly) {
    struct Case {
        const char* what;
        Bytes stream;
        Bytes expected_prefix;
    };
    const Case cases[] = {
        {"empty input", {}, {}},
        {"one byte", {0x41}, {}},
        {"first code not a byte value", pack_codes({300, 4095}), {}},
        {"code beyond the next free entry", pack_codes({65, 66, 258, 4095}), text("AB")},
        {"no end code", pack_codes({65, 66, 67}), text("ABC")},
        {"half a code at the end", Bytes{0x41, 0x20, 0x04, 0x43, 0xF0}, text("ABC")},
        {"lone nibble after a code", Bytes{0x41, 0x50}, text("A")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Decoded d = decode(c.stream, 64);
        EXPECT_EQ(d.result, -1);
        EXPECT_EQ(d.bytes, c.expected_prefix);
        EXPECT_TRUE(d.guard_kept);
    }
    size_t length = 8;
    uint8_t out[8];
    EXPECT_EQ(lzw_decode(nullptr, 4, out, &length), -1);
    EXPECT_EQ(length, 0u);
    const Bytes aaa = pack_codes({65, 256, 4095});
    EXPECT_EQ(lzw_decode(aaa.data(), aaa.size(), out, nullptr), -1);
}

TEST(LzwCorrupt, EveryTruncationOfAValidStreamFails) {
    Bytes src = random_bytes(2000, 3, 16);
    Bytes packed = encode(src);
    for (size_t cut = 0; cut < packed.size(); ++cut) {
        Bytes part(packed.begin(), packed.begin() + static_cast<long>(cut));
        Decoded d = decode(part, src.size());
        ASSERT_EQ(d.result, -1) << cut;
        ASSERT_TRUE(d.guard_kept) << cut;
        ASSERT_EQ(d.bytes, Bytes(src.begin(), src.begin() + static_cast<long>(d.bytes.size())));
    }
}

TEST(LzwCorrupt, RandomAndMutatedStreamsStayInBounds) {
    std::mt19937 rng(2024);
    Bytes valid = encode(random_bytes(3000, 9, 8));
    for (int round = 0; round < 3000; ++round) {
        Bytes stream;
        if (round % 2 == 0) {
            stream = random_bytes(rng() % 200, static_cast<uint32_t>(rng()));
        } else {
            stream = valid;
            for (int flips = 1 + static_cast<int>(rng() % 4); flips > 0; --flips) {
                stream[rng() % stream.size()] = static_cast<uint8_t>(rng());
            }
            stream.resize(rng() % (stream.size() + 1));
        }
        size_t capacity = rng() % 4000;
        Decoded d = decode(stream, capacity);
        ASSERT_TRUE(d.result == 0 || d.result == -1);
        ASSERT_TRUE(d.guard_kept) << round;
    }
}
