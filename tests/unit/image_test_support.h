// Shared pieces of the image tests: windowless screens of every depth, random pictures and a
// plain per-pixel model of every put mode to compare the library with.
#pragma once

#include <qzgfx.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "gfx/core/context.h"
#include "gfx/core/cpu_isa.h"
#include "rt/rt.h"

// Every depth a screen can have.
inline const int IMAGE_TEST_DEPTHS[] = {1, 2, 4, 8, 16, 32};

// Opens a windowless screen of depth with two pages: the numbered modes for 1 to 8 bits
// (640 x 480 at 1 bit, else 320 x 200), 320 x 200 by size for 16 and 32.
inline int open_depth_screen(int depth) {
    switch (depth) {
    case 1:
        return gfx_screen(11, 0, 2, SCREEN_NULL, 0);
    case 2:
        return gfx_screen(1, 0, 2, SCREEN_NULL, 0);
    case 4:
        return gfx_screen(7, 0, 2, SCREEN_NULL, 0);
    case 8:
        return gfx_screen(13, 0, 2, SCREEN_NULL, 0);
    default:
        return gfx_screen_res(320, 200, depth, 2, SCREEN_NULL, 0);
    }
}

// The bytes of one pixel at a depth.
inline int test_bytes_per_pixel(int depth) { return depth <= 8 ? 1 : depth / 8; }

// A pixel at depth as a 32-bit value, from any alignment.
inline uint32_t load_pixel(const uint8_t* p, int bpp) {
    uint32_t v = 0;
    std::memcpy(&v, p, static_cast<size_t>(bpp));
    return v;
}

inline void store_pixel(uint8_t* p, int bpp, uint32_t v) {
    std::memcpy(p, &v, static_cast<size_t>(bpp));
}

// A random pixel of depth that is the mask colour about a quarter of the time (always at 1 bit
// half the time, as a 1-bit pixel has only two values).
inline uint32_t random_pixel(std::mt19937& rng, int depth) {
    const bool mask = rng() % 4 == 0;
    if (depth <= 8) {
        return mask ? 0 : rng() & ((1u << depth) - 1);
    }
    if (depth == 16) {
        return mask ? GFX_MASK_COLOUR_16 : rng() & 0xFFFF;
    }
    return mask ? (rng() & 0xFF000000u) | GFX_MASK_COLOUR_32 : static_cast<uint32_t>(rng());
}

// Fills count pixels at p with random pixels of depth.
inline void fill_random(uint8_t* p, size_t count, int depth, std::mt19937& rng) {
    const int bpp = test_bytes_per_pixel(depth);
    for (size_t i = 0; i < count; ++i) {
        store_pixel(p + i * static_cast<size_t>(bpp), bpp, random_pixel(rng, depth));
    }
}

// The model of one pixel of a put: the new target pixel, or false when the pixel is skipped.
inline bool model_put(int mode, int depth, uint32_t d, uint32_t s, int alpha, uint32_t* out) {
    const uint32_t mask = depth <= 8 ? (1u << depth) - 1 : depth == 16 ? 0xFFFFu : 0xFFFFFFFFu;
    switch (mode) {
    case GFX_PUT_COPY:
        *out = s;
        return true;
    case GFX_PUT_TRANSPARENT: {
        const bool skip = depth <= 8    ? s == 0
                          : depth == 16 ? s == 0xF81F
                                        : (s & 0xFFFFFF) == 0xFF00FF;
        *out = s;
        return !skip;
    }
    case GFX_PUT_XOR:
        *out = (d ^ s) & mask;
        return true;
    case GFX_PUT_AND:
        *out = (d & s) & mask;
        return true;
    case GFX_PUT_OR:
        *out = (d | s) & mask;
        return true;
    case GFX_PUT_INVERT:
        *out = ~s & mask;
        return true;
    default: {
        const uint32_t a = alpha < 0 ? s >> 24 : static_cast<uint32_t>(alpha);
        if (a == 0) {
            return false;
        }
        uint32_t r = d & 0xFF000000u;
        for (int shift = 0; shift < 24; shift += 8) {
            const uint32_t x = ((s >> shift) & 0xFF) * a + ((d >> shift) & 0xFF) * (255 - a);
            r |= ((x * 2 + 255) / 510) << shift; // x / 255 rounded to nearest
        }
        *out = r;
        return true;
    }
    }
}

// The pixel rows of a drawing target in the test: base, pitch, size.
struct TestTarget {
    uint8_t* base;
    int pitch;
    int width;
    int height;
};

// The model of a whole put of a w x h picture at (x, y) of the target, clipped to the view
// rectangle (vx, vy, vw, vh): applies model_put to every covered pixel inside the view and
// returns which target rows got a written pixel.
inline std::vector<bool> model_put_image(TestTarget t, int depth, const uint8_t* picture, int w,
                                         int h, int x, int y, int vx, int vy, int vw, int vh,
                                         int mode, int alpha) {
    const int bpp = test_bytes_per_pixel(depth);
    std::vector<bool> written(static_cast<size_t>(t.height), false);
    for (int j = 0; j < h; ++j) {
        for (int i = 0; i < w; ++i) {
            const long long tx = static_cast<long long>(x) + i;
            const long long ty = static_cast<long long>(y) + j;
            if (tx < vx || ty < vy || tx >= vx + vw || ty >= vy + vh) {
                continue;
            }
            uint8_t* d = t.base + ty * t.pitch + tx * bpp;
            uint32_t out = 0;
            if (model_put(mode, depth, load_pixel(d, bpp),
                          load_pixel(picture + (j * w + i) * bpp, bpp), alpha, &out)) {
                store_pixel(d, bpp, out);
                written[static_cast<size_t>(ty)] = true;
            }
        }
    }
    return written;
}

// Starts and ends every image test with no screen and every vector level allowed.
class ImageTest : public ::testing::Test {
protected:
    void SetUp() override { reset(); }
    void TearDown() override { reset(); }
    static void reset() {
        gfx_screen(0, 0, 0, 0, 0);
        cpu_limit_isa(CpuIsa::AVX512_VBMI);
        rt_set_error(0);
    }
};

// The same for tests run once per screen depth.
class ImageDepthTest : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        gfx_screen(0, 0, 0, 0, 0);
        cpu_limit_isa(CpuIsa::AVX512_VBMI);
        rt_set_error(0);
        ASSERT_EQ(open_depth_screen(GetParam()), 0);
    }
    void TearDown() override {
        gfx_screen(0, 0, 0, 0, 0);
        cpu_limit_isa(CpuIsa::AVX512_VBMI);
    }
    GfxContext& ctx() { return *gfx_context; }
    int bpp() const { return test_bytes_per_pixel(GetParam()); }
    // The work page as the model sees it.
    TestTarget page() {
        return {ctx().pages[ctx().work_page], ctx().pitch, ctx().width, ctx().height};
    }
};

// Names the per-depth cases by their depth.
inline std::string depth_name(const ::testing::TestParamInfo<int>& info) {
    return "depth" + std::to_string(info.param);
}
