// Enlarging converted rows in place: every display pixel of a marked row's blocks is the pixel the
// same blitter writes without a scale, and the rows of clean framebuffer rows stay as they were.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "blit_test_screen.h"
#include "gfx/blit/blitter.h"

namespace {

// A blitter and the bytes of the display pixels it writes.
struct ScaleCase {
    const char* name;
    Blitter blitter;
    int source_depth;
    int display_bytes;
};

constexpr ScaleCase CASES[] = {
    {"8 to 8", blit_copy, 8, 1},
    {"8 to 16", blit_8_to_16, 8, 2},
    {"8 to 24", blit_8_to_24, 8, 3},
    {"8 to 32", blit_8_to_32_mmx, 8, 4},
    {"16 to 32", blit_16_to_32_mmx, 16, 4},
    {"32 to 32", blit_copy, 32, 4},
};

TEST(BlitScale, EveryBlockIsTheUnscaledPixelAndCleanRowsAreUntouched) {
    for (const ScaleCase& c : CASES) {
        for (int scale = 2; scale <= 4; ++scale) {
            for (int scan = 1; scan <= 2; ++scan) {
                const int width = 13;
                const int height = 7;
                BlitScreen screen(width, height, c.source_depth, scan,
                                  static_cast<uint32_t>(scale * 10 + scan));
                screen.mark_some_dirty();
                const int rows = height * scan;
                const int bytes = c.display_bytes;
                // The unscaled conversion, the reference.
                const int plain_pitch = width * bytes;
                std::vector<uint8_t> plain(static_cast<size_t>(plain_pitch) * rows, 0);
                c.blitter(plain.data(), plain_pitch);
                // The scaled one, in a buffer of exactly its size.
                const int pitch = width * scale * bytes;
                ExactBuffer scaled(static_cast<size_t>(pitch) * rows * scale, screen.random());
                const std::vector<uint8_t> before = scaled.copy();
                c.blitter(scaled.data(), pitch * scale);
                blit_scale_rows(scaled.data(), pitch, bytes, scale);
                for (int y = 0; y < rows * scale; ++y) {
                    const bool marked = screen.dirty(y / scale / scan);
                    for (int x = 0; x < width * scale; ++x) {
                        const uint8_t* got = scaled.data() + y * pitch + x * bytes;
                        const uint8_t* want =
                            marked ? plain.data() + (y / scale) * plain_pitch + (x / scale) * bytes
                                   : before.data() + y * pitch + x * bytes;
                        ASSERT_EQ(0, std::memcmp(got, want, static_cast<size_t>(bytes)))
                            << c.name << " at scale " << scale << ", scanline " << scan << ", ("
                            << x << ", " << y << ")" << (marked ? "" : " of a clean row");
                    }
                }
            }
        }
    }
}

TEST(BlitScale, ScalesBelowTwoAndBadArgumentsChangeNothing) {
    BlitScreen screen(5, 3, 32, 1, 9);
    screen.mark_all_dirty();
    ExactBuffer buffer(5 * 4 * 3, screen.random());
    const std::vector<uint8_t> before = buffer.copy();
    blit_scale_rows(buffer.data(), 20, 4, 1);
    blit_scale_rows(buffer.data(), 20, 4, 0);
    blit_scale_rows(buffer.data(), 20, 5, 2);
    blit_scale_rows(buffer.data(), 20, 0, 2);
    blit_scale_rows(nullptr, 20, 4, 2);
    EXPECT_EQ(before, buffer.copy());
}

} // namespace
