// A hand-built screen for the input and page tests: a zeroed context with its own pages, rows,
// dirty marks, key state and text pages, and a driver whose slots count their calls.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "gfx/core/context.h"
#include "gfx/core/pixel.h"

// What the test driver saw; reset by every TestScreen.
struct TestDriverLog {
    int locks = 0;
    int unlocks = 0;
    int flips = 0;
    int vsyncs = 0;
    int titles = 0;
    std::vector<uint32_t> flags_in_slot; // the context's flags whenever a slot ran
    const char* last_title = nullptr;
    int mouse_result = 0;
    int mouse_values[4] = {0, 0, 0, 0};
    int set_mouse_args[3] = {0, 0, 0};
    int set_mouse_calls = 0;
};

inline TestDriverLog test_driver_log;

// Records the flags of the current context when a driver slot runs.
inline void test_driver_note() {
    test_driver_log.flags_in_slot.push_back(gfx_context ? gfx_context->flags : 0);
}

inline void test_lock() { ++test_driver_log.locks; }
inline void test_unlock() { ++test_driver_log.unlocks; }
inline void test_set_palette(int, int, int, int) {}
inline void test_wait_vsync() { ++test_driver_log.vsyncs; }
inline void test_flip() {
    ++test_driver_log.flips;
    test_driver_note();
}
inline void test_set_window_title(const char* title) {
    ++test_driver_log.titles;
    test_driver_log.last_title = title;
}
inline int test_get_mouse(int* x, int* y, int* wheel, int* buttons) {
    test_driver_note();
    *x = test_driver_log.mouse_values[0];
    *y = test_driver_log.mouse_values[1];
    *wheel = test_driver_log.mouse_values[2];
    *buttons = test_driver_log.mouse_values[3];
    return test_driver_log.mouse_result;
}
inline void test_set_mouse(int x, int y, int cursor) {
    test_driver_note();
    ++test_driver_log.set_mouse_calls;
    test_driver_log.set_mouse_args[0] = x;
    test_driver_log.set_mouse_args[1] = y;
    test_driver_log.set_mouse_args[2] = cursor;
}

// A software driver: lock slots, mouse, title and retrace, and no flip of its own.
inline const GfxDriver TEST_SOFTWARE_DRIVER = {
    "Test",           nullptr,         nullptr,        test_lock,      test_unlock,
    test_set_palette, test_wait_vsync, test_get_mouse, test_set_mouse, test_set_window_title,
    nullptr,          nullptr,         nullptr,
};

// A driver that presents frames itself, as the OpenGL one does.
inline const GfxDriver TEST_FLIPPING_DRIVER = {
    "TestFlip",       nullptr,         nullptr,        test_lock,      test_unlock,
    test_set_palette, test_wait_vsync, test_get_mouse, test_set_mouse, test_set_window_title,
    nullptr,          test_flip,       nullptr,
};

// A driver with only the slots every driver has.
inline const GfxDriver TEST_BARE_DRIVER = {
    "TestBare", nullptr, nullptr, test_lock, test_unlock, test_set_palette, nullptr,
    nullptr,    nullptr, nullptr, nullptr,   nullptr,     nullptr,
};

// Owns a context of width x height pixels of bytes_per_pixel bytes with num_pages pages and
// makes it the open screen for its lifetime.
class TestScreen {
public:
    TestScreen(int width, int height, int bytes_per_pixel, int num_pages,
               const GfxDriver* driver = &TEST_SOFTWARE_DRIVER, int text_w = 8, int text_h = 4)
        : pixels_(static_cast<size_t>(num_pages)), page_ptrs_(static_cast<size_t>(num_pages)),
          cells_(static_cast<size_t>(num_pages)), cell_ptrs_(static_cast<size_t>(num_pages)),
          dirty_(static_cast<size_t>(height), 0), keys_(128, 0) {
        test_driver_log = TestDriverLog{};
        std::memset(&ctx_, 0, sizeof ctx_);
        ctx_.mode = -1;
        ctx_.width = width;
        ctx_.height = height;
        ctx_.bytes_per_pixel = bytes_per_pixel;
        ctx_.depth = bytes_per_pixel * 8;
        ctx_.pitch = ctx_.target_pitch = width * bytes_per_pixel;
        ctx_.num_pages = num_pages;
        for (int p = 0; p < num_pages; ++p) {
            pixels_[p].assign(static_cast<size_t>(height) * ctx_.pitch, 0);
            page_ptrs_[p] = pixels_[p].data();
            cells_[p].assign(static_cast<size_t>(text_w) * text_h, TextCell{32, 7, 0});
            cell_ptrs_[p] = cells_[p].data();
        }
        ctx_.pages = page_ptrs_.data();
        ctx_.visible_buffer = page_ptrs_[0];
        ctx_.rows =
            static_cast<uint8_t**>(std::calloc(static_cast<size_t>(height), sizeof(uint8_t*)));
        ctx_.rows_capacity = height;
        for (int y = 0; y < height; ++y) {
            ctx_.rows[y] = page_ptrs_[0] + static_cast<size_t>(y) * ctx_.pitch;
        }
        ctx_.dirty_rows = dirty_.data();
        ctx_.key_state = keys_.data();
        ctx_.driver = driver;
        ctx_.view_w = width;
        ctx_.view_h = height;
        ctx_.text_w = text_w;
        ctx_.text_h = text_h;
        ctx_.text_pages = cell_ptrs_.data();
        previous_ = gfx_context;
        saved_copy_ = fast_copy;
        saved_fill_ = fast_fill;
        fast_copy = [](void* dest, const void* src, size_t count) -> void* {
            return std::memcpy(dest, src, count);
        };
        fast_fill = [](void* dest, int value, size_t count) -> void* {
            return std::memset(dest, value, count);
        };
        gfx_context = &ctx_;
    }
    ~TestScreen() {
        gfx_context = previous_;
        fast_copy = saved_copy_;
        fast_fill = saved_fill_;
        std::free(ctx_.rows);
    }
    TestScreen(const TestScreen&) = delete;
    TestScreen& operator=(const TestScreen&) = delete;

    GfxContext& ctx() { return ctx_; }
    uint8_t* page(int p) { return page_ptrs_[static_cast<size_t>(p)]; }
    TextCell* text(int p) { return cell_ptrs_[static_cast<size_t>(p)]; }
    uint8_t* pixel(int p, int x, int y) {
        return page(p) + static_cast<size_t>(y) * ctx_.pitch +
               static_cast<size_t>(x) * ctx_.bytes_per_pixel;
    }
    // Fills page p with a byte pattern that differs per pixel and per page.
    void paint(int p) {
        for (size_t i = 0; i < pixels_[static_cast<size_t>(p)].size(); ++i) {
            pixels_[static_cast<size_t>(p)][i] =
                static_cast<uint8_t>(i * 7 + static_cast<size_t>(p) * 31 + 1);
        }
    }
    // The number of rows marked dirty.
    int dirty_count() const {
        int n = 0;
        for (uint8_t d : dirty_) {
            n += d != 0;
        }
        return n;
    }

private:
    GfxContext ctx_;
    std::vector<std::vector<uint8_t>> pixels_;
    std::vector<uint8_t*> page_ptrs_;
    std::vector<std::vector<TextCell>> cells_;
    std::vector<TextCell*> cell_ptrs_;
    std::vector<uint8_t> dirty_;
    std::vector<uint8_t> keys_;
    GfxContext* previous_ = nullptr;
    FastCopyFn saved_copy_ = nullptr;
    FastFillFn saved_fill_ = nullptr;
};
