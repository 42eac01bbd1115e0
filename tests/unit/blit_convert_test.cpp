// Every blitter member against the reference conversion, on random screens of many widths, with
// some rows dirty, at both scanline sizes, into destinations sized exactly to the picture.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "blit_reference.h"
#include "blit_test_screen.h"
#include "gfx/blit/blit_cpu.h"
#include "gfx/blit/blitter.h"

namespace {

struct Member {
    const char* name;
    Blitter scalar;
    Blitter vector;
    int source_depth;
    int display_depth;
    bool red_low;
};

const Member MEMBERS[] = {
    {"8_to_15", blit_8_to_15, blit_8_to_15_mmx, 8, 15, false},
    {"8_to_15_redlow", blit_8_to_15_redlow, blit_8_to_15_redlow_mmx, 8, 15, true},
    {"8_to_16", blit_8_to_16, blit_8_to_16_mmx, 8, 16, false},
    {"8_to_16_redlow", blit_8_to_16_redlow, blit_8_to_16_redlow_mmx, 8, 16, true},
    {"8_to_24", blit_8_to_24, blit_8_to_24_mmx, 8, 24, false},
    {"8_to_24_redlow", blit_8_to_24_redlow, blit_8_to_24_redlow_mmx, 8, 24, true},
    {"8_to_32", blit_8_to_32, blit_8_to_32_mmx, 8, 32, false},
    {"8_to_32_redlow", blit_8_to_32_redlow, blit_8_to_32_redlow_mmx, 8, 32, true},
    {"16_to_15", blit_16_to_15, blit_16_to_15_mmx, 16, 15, false},
    {"16_to_15_redlow", blit_16_to_15_redlow, blit_16_to_15_redlow_mmx, 16, 15, true},
    {"16_to_16 (copy)", blit_copy, blit_copy, 16, 16, false},
    {"16_to_16_redlow", blit_16_to_16_redlow, blit_16_to_16_redlow_mmx, 16, 16, true},
    {"16_to_24", blit_16_to_24, blit_16_to_24_mmx, 16, 24, false},
    {"16_to_24 red-low lookup", blit_16_to_24, blit_16_to_24_mmx, 16, 24, true},
    {"16_to_32", blit_16_to_32, blit_16_to_32_mmx, 16, 32, false},
    {"16_to_32 red-low lookup", blit_16_to_32, blit_16_to_32_mmx, 16, 32, true},
    {"32_to_15", blit_32_to_15, blit_32_to_15_mmx, 32, 15, false},
    {"32_to_15_redlow", blit_32_to_15_redlow, blit_32_to_15_redlow_mmx, 32, 15, true},
    {"32_to_16", blit_32_to_16, blit_32_to_16_mmx, 32, 16, false},
    {"32_to_16_redlow", blit_32_to_16_redlow, blit_32_to_16_redlow_mmx, 32, 16, true},
    {"32_to_24", blit_32_to_24, blit_32_to_24_mmx, 32, 24, false},
    {"32_to_24_redlow", blit_32_to_24_redlow, blit_32_to_24_redlow_mmx, 32, 24, true},
    {"32_to_32 (copy)", blit_copy, blit_copy, 32, 32, false},
    {"32_to_32_redlow", blit_32_to_32_redlow, blit_32_to_32_redlow_mmx, 32, 32, true},
};

// Around every step size (8, 11, 16, 64 pixels) and their multiples.
const int WIDTHS[] = {1,  2,  3,  4,  5,  7,  8,  9,  10, 11, 12,
                      15, 16, 17, 19, 27, 31, 32, 33, 47, 64, 71};
const CpuIsa LEVELS[] = {CpuIsa::SCALAR, CpuIsa::SSE2, CpuIsa::SSSE3, CpuIsa::AVX2,
                         CpuIsa::AVX512_VBMI};

// Restores the vector members' full instruction set when a test ends.
struct IsaLimit {
    explicit IsaLimit(CpuIsa limit) { cpu_limit_isa(limit); }
    ~IsaLimit() { cpu_limit_isa(CpuIsa::AVX512_VBMI); }
};

// Runs `blitter` on a fresh random screen and checks every destination row: dirty rows hold the
// reference conversion, clean rows their old bytes.
void check_member(const Member& m, Blitter blitter, int width, int scanline, uint32_t seed) {
    const int height = 6;
    BlitScreen screen(width, height, m.source_depth, scanline, seed);
    screen.mark_some_dirty();
    build_colour_lookup(screen.lookup(), m.red_low);
    const int bytes = reference_bytes(m.display_depth);
    const int pitch = width * bytes;
    ExactBuffer dest(static_cast<size_t>(pitch) * height * scanline, screen.random());
    const std::vector<uint8_t> before = dest.copy();
    blitter(dest.data(), pitch);

    const int source_bytes = m.source_depth / 8;
    for (int row = 0; row < height * scanline; ++row) {
        const int y = row / scanline;
        const uint8_t* got = dest.data() + static_cast<size_t>(row) * pitch;
        const uint8_t* old = before.data() + static_cast<size_t>(row) * pitch;
        if (!screen.dirty(y)) {
            ASSERT_EQ(0, std::memcmp(got, old, pitch)) << m.name << " touched clean row " << row;
            continue;
        }
        for (int x = 0; x < width; ++x) {
            uint8_t want[4];
            const uint8_t* px =
                screen.page() + static_cast<size_t>(y) * width * source_bytes + x * source_bytes;
            reference_display(want, reference_source(m.source_depth, px, screen.palette()),
                              m.display_depth, m.red_low);
            for (int i = 0; i < bytes; ++i) {
                const uint8_t mask = reference_mask(m.display_depth, i);
                ASSERT_EQ(want[i] & mask, got[x * bytes + i] & mask)
                    << m.name << " width " << width << " scanline " << scanline << " row " << row
                    << " pixel " << x << " byte " << i;
            }
        }
    }
}

TEST(BlitConvert, ScalarMembersMatchTheReference) {
    uint32_t seed = 1;
    for (const Member& m : MEMBERS) {
        for (int scanline : {1, 2}) {
            for (int width : WIDTHS) {
                check_member(m, m.scalar, width, scanline, seed++);
                if (HasFatalFailure()) {
                    return;
                }
            }
        }
    }
}

TEST(BlitConvert, VectorMembersMatchTheReferenceAtEveryLevel) {
    uint32_t seed = 1000;
    for (CpuIsa level : LEVELS) {
        IsaLimit limit(level);
        for (const Member& m : MEMBERS) {
            for (int scanline : {1, 2}) {
                for (int width : WIDTHS) {
                    check_member(m, m.vector, width, scanline, seed++);
                    if (HasFatalFailure()) {
                        return;
                    }
                }
            }
        }
    }
}

// Runs `blitter` into a copy of `start` and returns the result.
std::vector<uint8_t> run_into(Blitter blitter, const std::vector<uint8_t>& start, int pitch,
                              std::mt19937& random) {
    ExactBuffer dest(start.size(), random);
    std::memcpy(dest.data(), start.data(), start.size());
    blitter(dest.data(), pitch);
    return dest.copy();
}

TEST(BlitConvert, VectorAndScalarMembersAgreeByteForByte) {
    uint32_t seed = 5000;
    for (CpuIsa level : LEVELS) {
        IsaLimit limit(level);
        for (const Member& m : MEMBERS) {
            for (int width : {13, 64, 100, 333}) {
                BlitScreen screen(width, 4, m.source_depth, 1, seed++);
                screen.mark_some_dirty();
                build_colour_lookup(screen.lookup(), m.red_low);
                const int pitch = width * reference_bytes(m.display_depth);
                ExactBuffer start(static_cast<size_t>(pitch) * 4, screen.random());
                const std::vector<uint8_t> initial = start.copy();
                EXPECT_EQ(run_into(m.scalar, initial, pitch, screen.random()),
                          run_into(m.vector, initial, pitch, screen.random()))
                    << m.name << " width " << width << " level " << static_cast<int>(level);
            }
        }
    }
}

TEST(BlitConvert, ExpansionWithAnUnusualLookupTableFollowsTheTable) {
    for (const Member& m : MEMBERS) {
        if (m.source_depth != 16 || m.display_depth < 24) {
            continue;
        }
        BlitScreen screen(40, 3, 16, 1, 77);
        screen.mark_all_dirty();
        for (int i = 0; i < COLOUR_LOOKUP_ENTRIES; ++i) {
            screen.lookup()[i] = static_cast<uint32_t>(screen.random()());
        }
        const int pitch = 40 * reference_bytes(m.display_depth);
        ExactBuffer start(static_cast<size_t>(pitch) * 3, screen.random());
        const std::vector<uint8_t> initial = start.copy();
        const std::vector<uint8_t> scalar = run_into(m.scalar, initial, pitch, screen.random());
        EXPECT_EQ(scalar, run_into(m.vector, initial, pitch, screen.random())) << m.name;
        // First pixel of row 0: the OR of the two table entries its bytes pick.
        const uint32_t s = screen.page()[0] | screen.page()[1] << 8;
        const uint32_t want = screen.lookup()[s & 0xFF] | screen.lookup()[256 + (s >> 8)];
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(static_cast<uint8_t>(want >> (8 * i)), scalar[i]) << m.name;
        }
    }
}

TEST(BlitConvert, PaletteTopBytesNeverReachAnotherChannel) {
    // The palette's top byte is not colour; whatever it holds, every paletted member at every
    // level writes what the scalar member writes, and the reference's colour bits.
    uint32_t seed = 9000;
    for (CpuIsa level : LEVELS) {
        IsaLimit limit(level);
        for (const Member& m : MEMBERS) {
            if (m.source_depth != 8 || m.display_depth == 8) {
                continue;
            }
            const int width = 83;
            BlitScreen screen(width, 3, 8, 1, seed++);
            screen.mark_all_dirty();
            for (int i = 0; i < 256; ++i) {
                screen.palette()[i] |= static_cast<uint32_t>(screen.random()()) << 24;
            }
            const int bytes = reference_bytes(m.display_depth);
            const int pitch = width * bytes;
            ExactBuffer start(static_cast<size_t>(pitch) * 3, screen.random());
            const std::vector<uint8_t> initial = start.copy();
            const std::vector<uint8_t> vector = run_into(m.vector, initial, pitch, screen.random());
            EXPECT_EQ(run_into(m.scalar, initial, pitch, screen.random()), vector)
                << m.name << " level " << static_cast<int>(level);
            for (int x = 0; x < width * 3; ++x) {
                uint8_t want[4];
                reference_display(want, reference_source(8, screen.page() + x, screen.palette()),
                                  m.display_depth, m.red_low);
                for (int i = 0; i < bytes; ++i) {
                    const uint8_t mask = reference_mask(m.display_depth, i);
                    ASSERT_EQ(want[i] & mask, vector[static_cast<size_t>(x) * bytes + i] & mask)
                        << m.name << " level " << static_cast<int>(level) << " pixel " << x;
                }
            }
        }
    }
}

TEST(BlitConvert, NegativePitchFillsRowsUpwards) {
    BlitScreen screen(10, 3, 32, 2, 9);
    screen.mark_all_dirty();
    const int pitch = 10 * 2;
    ExactBuffer dest(static_cast<size_t>(pitch) * 6, screen.random());
    blit_32_to_16_mmx(dest.data() + 5 * pitch, -pitch);
    for (int row = 0; row < 6; ++row) {
        const int y = row / 2;
        const uint8_t* got = dest.data() + (5 - row) * pitch;
        for (int x = 0; x < 10; ++x) {
            uint8_t want[2];
            reference_display(want, reference_source(32, screen.page() + y * 40 + x * 4, nullptr),
                              16, false);
            ASSERT_EQ(want[0], got[2 * x]);
            ASSERT_EQ(want[1], got[2 * x + 1]);
        }
    }
}

} // namespace
