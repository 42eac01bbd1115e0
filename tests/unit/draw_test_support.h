// Shared pieces of the drawing tests: windowless screens at every depth, pixel sets read back from
// the framebuffer or an image, hand-made images, and plain reference algorithms.
#pragma once

#include <gtest/gtest.h>

#include <qzgfx.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <set>
#include <utility>
#include <vector>

#include "gfx/core/context.h"
#include "gfx/core/screen.h"
#include "gfx/core/types.h"

using PixelSet = std::set<std::pair<int, int>>;

// The depths every operation is checked at.
inline constexpr std::array<int, 6> DRAW_DEPTHS = {1, 2, 4, 8, 16, 32};

// Opens a windowless screen of the depth: 1, 2 and 4 bits by numbered modes (11: 640 x 480, 1: 320
// x 200, 7: 320 x 200), 8 bits as mode 13, 16 and 32 bits as 320 x 200 screens by size.
inline bool open_depth(int depth) {
    switch (depth) {
    case 1:
        return gfx_screen(11, 0, 2, SCREEN_NULL, 0) == 0;
    case 2:
        return gfx_screen(1, 0, 2, SCREEN_NULL, 0) == 0;
    case 4:
        return gfx_screen(7, 0, 2, SCREEN_NULL, 0) == 0;
    case 8:
        return gfx_screen(13, 0, 2, SCREEN_NULL, 0) == 0;
    default:
        return gfx_screen_res(320, 200, depth, 2, SCREEN_NULL, 0) == 0;
    }
}

// A colour that every depth stores unchanged and that is not 0: 1 at 1 bit, else a value that
// uses the depth's top bits.
inline uint32_t depth_colour(int depth, int k = 0) {
    switch (depth) {
    case 1:
        return 1;
    case 2:
        return 1 + static_cast<uint32_t>(k % 3);
    case 4:
        return 9 + static_cast<uint32_t>(k % 7);
    case 8:
        return 200 + static_cast<uint32_t>(k % 50);
    case 16:
        return 0x00F8FC00u - static_cast<uint32_t>(k % 31) * 8; // 5-6-5 keeps these exactly
    default:
        return 0xA5123456u + static_cast<uint32_t>(k);
    }
}

// The value the framebuffer holds for a colour argument at the open screen's depth.
inline uint32_t stored_colour(uint32_t colour) {
    const GfxContext* ctx = gfx_context;
    if (ctx->depth <= 8) {
        return colour & ctx->colour_mask;
    }
    if (ctx->depth == 16) {
        return ((colour >> 8) & 0xF800) | ((colour >> 5) & 0x7E0) | ((colour >> 3) & 0x1F);
    }
    return colour;
}

// Reads the pixel at (x, y) of a buffer of rows `pitch` bytes apart.
inline uint32_t buffer_pixel(const uint8_t* base, int pitch, int bpp, int x, int y) {
    uint32_t v = 0;
    std::memcpy(&v, base + static_cast<size_t>(y) * pitch + static_cast<size_t>(x) * bpp,
                static_cast<size_t>(bpp));
    return v;
}

// The pixel at (x, y) of the work page.
inline uint32_t work_pixel(int x, int y) {
    const GfxContext* ctx = gfx_context;
    return buffer_pixel(ctx->pages[ctx->work_page], ctx->pitch, ctx->bytes_per_pixel, x, y);
}

// Every non-zero pixel of the work page.
inline PixelSet work_pixels() {
    PixelSet s;
    for (int y = 0; y < gfx_context->height; ++y) {
        for (int x = 0; x < gfx_context->width; ++x) {
            if (work_pixel(x, y) != 0) {
                s.insert({x, y});
            }
        }
    }
    return s;
}

// A copy of the work page.
inline std::vector<uint8_t> work_copy() {
    const GfxContext* ctx = gfx_context;
    const uint8_t* p = ctx->pages[ctx->work_page];
    return {p, p + static_cast<size_t>(ctx->pitch) * ctx->height};
}

// Clears the work page and the dirty flags.
inline void clear_work() {
    GfxContext* ctx = gfx_context;
    std::memset(ctx->pages[ctx->work_page], 0, static_cast<size_t>(ctx->pitch) * ctx->height);
    std::memset(ctx->dirty_rows, 0, static_cast<size_t>(ctx->height));
}

// An image made by hand in the layout drawing targets use: the two 16-bit fields, then the rows.
class TestImage {
public:
    TestImage(int w, int h, int bpp) : w_(w), h_(h), bpp_(bpp) {
        bytes_.assign(sizeof(ImageBuffer) + static_cast<size_t>(w) * h * bpp, 0);
        auto* image = reinterpret_cast<ImageBuffer*>(bytes_.data());
        image->width = static_cast<int16_t>(w * 8);
        image->height = static_cast<int16_t>(h);
    }
    ImageBuffer* image() { return reinterpret_cast<ImageBuffer*>(bytes_.data()); }
    void clear() { std::fill(bytes_.begin() + sizeof(ImageBuffer), bytes_.end(), uint8_t{0}); }
    uint32_t pixel(int x, int y) const {
        return buffer_pixel(bytes_.data() + sizeof(ImageBuffer), w_ * bpp_, bpp_, x, y);
    }
    int width() const { return w_; }
    int height() const { return h_; }

private:
    int w_;
    int h_;
    int bpp_;
    std::vector<uint8_t> bytes_;
};

// The 4-connected region around (sx, sy) inside the rectangle [x0, x1] x [y0, y1] of pixels for
// which `open` holds, found breadth first.
template <typename Open>
PixelSet breadth_first_region(int sx, int sy, int x0, int y0, int x1, int y1, Open open) {
    PixelSet seen;
    if (sx < x0 || sx > x1 || sy < y0 || sy > y1 || !open(sx, sy)) {
        return seen;
    }
    std::vector<uint8_t> mark(static_cast<size_t>(x1 - x0 + 1) * (y1 - y0 + 1), 0);
    auto at = [&](int x, int y) -> uint8_t& {
        return mark[static_cast<size_t>(y - y0) * (x1 - x0 + 1) + (x - x0)];
    };
    std::deque<std::pair<int, int>> queue{{sx, sy}};
    at(sx, sy) = 1;
    while (!queue.empty()) {
        const auto [x, y] = queue.front();
        queue.pop_front();
        seen.insert({x, y});
        const int nx[4] = {x - 1, x + 1, x, x};
        const int ny[4] = {y, y, y - 1, y + 1};
        for (int i = 0; i < 4; ++i) {
            if (nx[i] >= x0 && nx[i] <= x1 && ny[i] >= y0 && ny[i] <= y1 && !at(nx[i], ny[i]) &&
                open(nx[i], ny[i])) {
                at(nx[i], ny[i]) = 1;
                queue.emplace_back(nx[i], ny[i]);
            }
        }
    }
    return seen;
}

// Whether the pixels form one 8-connected piece.
inline bool eight_connected(const PixelSet& s) {
    if (s.empty()) {
        return true;
    }
    PixelSet seen{*s.begin()};
    std::vector<std::pair<int, int>> todo{*s.begin()};
    while (!todo.empty()) {
        const auto [x, y] = todo.back();
        todo.pop_back();
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                const std::pair<int, int> n{x + dx, y + dy};
                if (s.count(n) && seen.insert(n).second) {
                    todo.push_back(n);
                }
            }
        }
    }
    return seen.size() == s.size();
}

// The fixture of the drawing tests: no screen before and after each test.
class DrawTest : public ::testing::Test {
protected:
    void SetUp() override { gfx_screen(0, 0, 0, 0, 0); }
    void TearDown() override { gfx_screen(0, 0, 0, 0, 0); }
};
