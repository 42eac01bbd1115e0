// A hand-built screen for the blitter tests: a context with one page, dirty marks, a palette and
// the colour lookup table, installed as the open screen for the length of a test.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "gfx/blit/colour_lookup.h"
#include "gfx/core/context.h"

class BlitScreen {
public:
    // Opens a width x height screen of `depth` bits (8, 16 or 32) with random pixels, a random
    // palette and no dirty rows.
    BlitScreen(int width, int height, int depth, int scanline_size, uint32_t seed)
        : random_(seed), page_(static_cast<size_t>(width) * height * (depth / 8)),
          dirty_(static_cast<size_t>(height) * scanline_size), palette_(256),
          lookup_(COLOUR_LOOKUP_ENTRIES) {
        for (auto& b : page_) {
            b = static_cast<uint8_t>(random_());
        }
        for (auto& e : palette_) {
            e = random_() & 0x00FFFFFF;
        }
        ctx_.width = width;
        ctx_.height = height;
        ctx_.depth = depth;
        ctx_.bytes_per_pixel = depth / 8;
        ctx_.pitch = width * (depth / 8);
        ctx_.scanline_size = scanline_size;
        ctx_.visible_buffer = page_.data();
        ctx_.dirty_rows = dirty_.data();
        ctx_.palette = palette_.data();
        saved_context_ = gfx_context;
        saved_lookup_ = gfx_colour_lookup;
        gfx_context = &ctx_;
        gfx_colour_lookup = lookup_.data();
    }
    ~BlitScreen() {
        gfx_context = saved_context_;
        gfx_colour_lookup = saved_lookup_;
    }
    BlitScreen(const BlitScreen&) = delete;
    BlitScreen& operator=(const BlitScreen&) = delete;

    GfxContext& ctx() { return ctx_; }
    uint8_t* page() { return page_.data(); }
    uint32_t* palette() { return palette_.data(); }
    uint32_t* lookup() { return lookup_.data(); }
    std::mt19937& random() { return random_; }

    // Marks about half the rows dirty at random, always including the first.
    void mark_some_dirty() {
        for (int y = 0; y < ctx_.height; ++y) {
            dirty_[y] = (y == 0 || random_() % 2) ? 1 : 0;
        }
    }
    void mark_all_dirty() {
        for (int y = 0; y < ctx_.height; ++y) {
            dirty_[y] = static_cast<uint8_t>(1 + random_() % 255);
        }
    }
    bool dirty(int y) const { return dirty_[y] != 0; }

private:
    std::mt19937 random_;
    GfxContext ctx_{};
    std::vector<uint8_t> page_;
    std::vector<uint8_t> dirty_;
    std::vector<uint32_t> palette_;
    std::vector<uint32_t> lookup_;
    GfxContext* saved_context_ = nullptr;
    uint32_t* saved_lookup_ = nullptr;
};

// A destination buffer of exactly pitch * rows bytes (no slack, so AddressSanitizer sees any
// write past its end), filled with random bytes.
class ExactBuffer {
public:
    ExactBuffer(size_t size, std::mt19937& random) : size_(size), bytes_(new uint8_t[size]) {
        for (size_t i = 0; i < size; ++i) {
            bytes_[i] = static_cast<uint8_t>(random());
        }
    }
    ~ExactBuffer() { delete[] bytes_; }
    ExactBuffer(const ExactBuffer&) = delete;
    ExactBuffer& operator=(const ExactBuffer&) = delete;

    uint8_t* data() { return bytes_; }
    std::vector<uint8_t> copy() const { return std::vector<uint8_t>(bytes_, bytes_ + size_); }
    size_t size() const { return size_; }

private:
    size_t size_;
    uint8_t* bytes_;
};
