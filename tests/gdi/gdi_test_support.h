// Helpers of the GDI driver's tests: screens opened through the driver, the framebuffer written
// and marked as a drawing operation does, and the window's client area read back from the X
// display (through ImageMagick's import), never from the library's own buffers.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "gfx/core/context.h"
#include "gfx/core/pages.h"
#include "gfx/core/palette.h"
#include "gfx/core/screen.h"
#include "gfx/core/types.h"
#include "gfx/drivers/gdi_driver.h"
#include "gfx/input/input.h"
#include "gfx/win32/win32_window.h"
#include "tests/win32/unix_shell.h"

// Sets the title that the next screen is opened with.
inline void set_test_title(const char* title) {
    std::memset(gfx_title, 0, sizeof gfx_title);
    std::strncpy(gfx_title, title, sizeof gfx_title - 1);
}

// Runs a Unix shell command line (without double quotes); its exit status, or -1 after 60 s.
inline int run_shell(const std::string& script) { return run_unix_shell(script, 60000); }

// Runs xdotool with args; its exit status.
inline int run_xdotool(const std::string& args) { return run_shell("/usr/bin/xdotool " + args); }

// Waits until the display thread has run a pass that found every mark cleared, that is until all
// marked rows are on the window. false when no pass came within 10 s.
inline bool wait_presented() {
    for (int i = 0; i < 1000; ++i) {
        bool clean = true;
        {
            GfxLockGuard lock(gfx_context);
            const int rows = gfx_context->height * gfx_context->scanline_size;
            for (int y = 0; y < rows && clean; ++y) {
                clean = gfx_context->dirty_rows[y] == 0;
            }
        }
        if (clean) {
            Sleep(30); // let two more passes run, so X has the last call's pixels
            return true;
        }
        Sleep(5);
    }
    return false;
}

// A picture as 0x00RRGGBB pixels, row by row.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
    uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// The window's client area as the X display shows it: its origin comes from ClientToScreen, the
// pixels from a crop of the root window taken by ImageMagick's import.
inline Picture read_client_area(HWND window) {
    Picture shot;
    RECT client{};
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    shot.width = client.right;
    shot.height = client.bottom;
    const std::string file =
        "/tmp/qzgfx-gdi-shot-" + std::to_string(GetCurrentProcessId()) + ".rgb";
    const std::string crop = std::to_string(shot.width) + "x" + std::to_string(shot.height) + "+" +
                             std::to_string(origin.x) + "+" + std::to_string(origin.y);
    if (run_shell("import -silent -window root -crop " + crop + " +repage -depth 8 rgb:" + file) !=
        0) {
        ADD_FAILURE() << "import failed";
        return shot;
    }
    std::string windows_path = "Z:" + file;
    for (char& c : windows_path) {
        if (c == '/') {
            c = '\\';
        }
    }
    FILE* f = std::fopen(windows_path.c_str(), "rb");
    if (!f) {
        ADD_FAILURE() << "no picture in " << file;
        return shot;
    }
    std::vector<uint8_t> rgb(static_cast<size_t>(shot.width) * shot.height * 3);
    const size_t got = std::fread(rgb.data(), 1, rgb.size(), f);
    std::fclose(f);
    DeleteFileA(windows_path.c_str());
    if (got != rgb.size()) {
        ADD_FAILURE() << "short picture: " << got << " of " << rgb.size() << " bytes";
        return shot;
    }
    shot.pixels.resize(rgb.size() / 3);
    for (size_t i = 0; i < shot.pixels.size(); ++i) {
        shot.pixels[i] =
            uint32_t{rgb[3 * i]} << 16 | uint32_t{rgb[3 * i + 1]} << 8 | rgb[3 * i + 2];
    }
    return shot;
}

// What the window must show of framebuffer pixel (x, y) of the visible page, as 0x00RRGGBB:
// paletted pixels through the palette, 5-6-5 pixels widened by repeating their top bits, 32-bit
// pixels without their top byte.
inline uint32_t expected_pixel(const GfxContext* ctx, int x, int y) {
    const uint8_t* row = ctx->visible_buffer + static_cast<ptrdiff_t>(y) * ctx->pitch;
    if (ctx->bytes_per_pixel == 1) {
        const uint32_t c = ctx->palette[row[x]];
        return (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF);
    }
    if (ctx->bytes_per_pixel == 2) {
        const uint32_t v = row[2 * x] | uint32_t{row[2 * x + 1]} << 8;
        const uint32_t r = v >> 11, g = v >> 5 & 0x3F, b = v & 0x1F;
        return (r << 3 | r >> 2) << 16 | (g << 2 | g >> 4) << 8 | (b << 3 | b >> 2);
    }
    uint32_t v;
    std::memcpy(&v, row + 4 * x, 4);
    return v & 0xFFFFFF;
}

// Whether a shown pixel is what framebuffer pixel (x, y) must look like. A 16-bit screen is shown
// through a 5-5-5 bitmap, so there each channel must agree in its top 5 bits, whatever way the
// display widens them; every other depth must agree exactly.
inline bool pixel_matches(const GfxContext* ctx, uint32_t shown, uint32_t expected) {
    if (ctx->bytes_per_pixel == 2) {
        return (shown & 0xF8F8F8) == (expected & 0xF8F8F8);
    }
    return shown == expected;
}

// Compares the window's picture with the framebuffer through the palette, each framebuffer row
// standing for scanline_size window rows. Names the first differing pixel and counts the rest.
inline ::testing::AssertionResult shows_framebuffer(const Picture& shot) {
    const GfxContext* ctx = gfx_context;
    const int scan = ctx->scanline_size;
    if (shot.width != ctx->width || shot.height != ctx->height * scan) {
        return ::testing::AssertionFailure()
               << "client area " << shot.width << "x" << shot.height << ", screen " << ctx->width
               << "x" << ctx->height * scan;
    }
    long wrong = 0;
    std::string first;
    for (int y = 0; y < shot.height; ++y) {
        for (int x = 0; x < shot.width; ++x) {
            const uint32_t want = expected_pixel(ctx, x, y / scan);
            const uint32_t got = shot.at(x, y);
            if (pixel_matches(ctx, got, want)) {
                continue;
            }
            if (wrong++ == 0) {
                char text[96];
                std::snprintf(text, sizeof text, "(%d, %d): shown %06X, framebuffer %06X", x, y,
                              static_cast<unsigned>(got), static_cast<unsigned>(want));
                first = text;
            }
        }
    }
    if (wrong == 0) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << wrong << " pixels differ, first at " << first;
}

// Fills framebuffer row y of the visible page with random pixel values of the screen's depth.
inline void scribble_row(std::mt19937& random, int y) {
    GfxContext* ctx = gfx_context;
    uint8_t* row = ctx->visible_buffer + static_cast<ptrdiff_t>(y) * ctx->pitch;
    for (int x = 0; x < ctx->width; ++x) {
        const uint32_t v = static_cast<uint32_t>(random()) & ctx->colour_mask;
        std::memcpy(row + static_cast<ptrdiff_t>(x) * ctx->bytes_per_pixel, &v,
                    static_cast<size_t>(ctx->bytes_per_pixel));
    }
}

// Writes random pixels into rows first .. last under the driver lock, marking them when `mark`
// is set, as the drawing operations do.
inline void draw_rows(std::mt19937& random, int first, int last, bool mark) {
    GfxLockGuard lock(gfx_context);
    for (int y = first; y <= last; ++y) {
        scribble_row(random, y);
        if (mark) {
            gfx_context->dirty_rows[y] = 1;
        }
    }
}

// Gives every palette entry the screen has a random colour through the public palette call.
inline void random_palette(std::mt19937& random) {
    if (gfx_context->depth > 8) {
        return;
    }
    const int count = 1 << gfx_context->depth;
    for (int i = 0; i < count; ++i) {
        gfx_palette(i, static_cast<int>(random() & 0xFF), static_cast<int>(random() & 0xFF),
                    static_cast<int>(random() & 0xFF));
    }
}

// Adds a top-level window to the list in `list` when it belongs to this process.
inline BOOL CALLBACK collect_process_window(HWND window, LPARAM list) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == GetCurrentProcessId()) {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    }
    return TRUE;
}

// The top-level windows of this process.
inline std::vector<HWND> process_windows() {
    std::vector<HWND> found;
    EnumWindows(collect_process_window, reinterpret_cast<LPARAM>(&found));
    return found;
}

// Every GDI test asks for the GDI driver by name, so that it is tested whichever driver comes
// first in the list; each ends with no screen open and QZGFX unset.
class GdiTest : public ::testing::Test {
protected:
    void SetUp() override {
        _putenv("QZGFX=GDI");
        set_test_title("qzgfx gdi test");
        drain();
    }
    void TearDown() override {
        gfx_screen(0, 0, 0, 0, 0);
        _putenv("QZGFX=");
        drain();
    }
    // Empties the key buffer.
    static void drain() {
        while (gfx_read_key() != 0) {
        }
    }
    // Opens a numbered mode on the GDI driver and waits for its first picture.
    static ::testing::AssertionResult open_mode(int mode) {
        if (gfx_screen(mode, 0, 1, 0, 0) != 0) {
            return ::testing::AssertionFailure() << "mode " << mode;
        }
        return opened();
    }
    // Opens a screen by size on the GDI driver.
    static ::testing::AssertionResult open_size(int w, int h, int depth, int pages = 1) {
        if (gfx_screen_res(w, h, depth, pages, 0, 0) != 0) {
            return ::testing::AssertionFailure() << w << "x" << h << "x" << depth;
        }
        return opened();
    }
    static ::testing::AssertionResult opened() {
        if (!gfx_context || gfx_context->driver != &GFX_DRIVER_GDI) {
            return ::testing::AssertionFailure() << "the screen did not get the GDI driver";
        }
        if (!IsWindow(win32_window.hwnd)) {
            return ::testing::AssertionFailure() << "no window";
        }
        if (!wait_presented()) {
            return ::testing::AssertionFailure() << "no pass came";
        }
        return ::testing::AssertionSuccess();
    }
};
