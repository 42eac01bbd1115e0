// Helpers for the tests of the software screens: running Unix tools (xdotool, ImageMagick's
// import) while the display thread keeps the window alive, reading a screen's pixels back from
// the X display, and the picture the framebuffer should show there.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "win32_test_support.h"
#include "gfx/core/context.h"
#include "gfx/core/screen.h"
#include "gfx/core/test_seams.h"
#include "gfx/core/types.h"
#include "gfx/drivers/dx_driver.h"
#include "gfx/win32/win32_window.h"
#include "tests/win32/unix_shell.h"
#include "tests/unit/blit_reference.h"

// Runs command with /bin/sh; its exit status, or -1 (see run_unix_shell).
inline int run_unix(const std::string& command) { return run_unix_shell(command); }

// The rectangle (x, y, w, h) of the X display as 8-bit R, G, B triplets, read with ImageMagick's
// import from the root window; empty when it could not be read.
inline std::vector<uint8_t> read_x_display(int x, int y, int w, int h) {
    const std::string file = "/tmp/qzgfx-shot-" + std::to_string(GetCurrentProcessId()) + ".rgb";
    const std::string geometry = std::to_string(w) + "x" + std::to_string(h) + "+" +
                                 std::to_string(x) + "+" + std::to_string(y);
    if (run_unix("import -window root -crop " + geometry + " -depth 8 rgb:" + file) != 0) {
        return {};
    }
    std::string windows_path = "Z:" + file;
    for (char& c : windows_path) {
        if (c == '/') {
            c = '\\';
        }
    }
    std::vector<uint8_t> pixels(static_cast<size_t>(w) * h * 3);
    FILE* f = std::fopen(windows_path.c_str(), "rb");
    if (!f) {
        return {};
    }
    const size_t got = std::fread(pixels.data(), 1, pixels.size(), f);
    std::fclose(f);
    DeleteFileA(windows_path.c_str());
    if (got != pixels.size()) {
        return {};
    }
    return pixels;
}

// Bits per pixel of the display the windows are shown on.
inline int x_display_depth() {
    HDC dc = GetDC(nullptr);
    const int bits = GetDeviceCaps(dc, BITSPIXEL);
    ReleaseDC(nullptr, dc);
    return bits;
}

// The colour that framebuffer pixel (x, y) of the open screen should show, from a plain reading
// of the pixel formats.
inline ReferenceRgb expected_colour(const GfxContext* ctx, int x, int y) {
    const int source_depth = ctx->bytes_per_pixel == 1 ? 8 : ctx->bytes_per_pixel * 8;
    const uint8_t* px = ctx->visible_buffer + y * ctx->pitch + x * ctx->bytes_per_pixel;
    return reference_source(source_depth, px, ctx->palette);
}

// Waits until the display thread has presented every marked row, then one pass more so the
// picture has reached the display. False when the marks stay for five seconds.
inline bool wait_presented() {
    for (int i = 0; i < 500; ++i) {
        bool clean = true;
        {
            GfxLockGuard lock(gfx_context);
            for (int y = 0; y < gfx_context->height; ++y) {
                clean = clean && !gfx_context->dirty_rows[y];
            }
        }
        if (clean) {
            Sleep(60);
            return true;
        }
        Sleep(10);
    }
    return false;
}

// Marks every framebuffer row changed, under the lock.
inline void mark_all_dirty() {
    GfxLockGuard lock(gfx_context);
    std::memset(gfx_context->dirty_rows, 1, static_cast<size_t>(gfx_context->height));
}

// Compares the client area of the screen's window (or the display's top-left corner in full
// screen), read back from the X display, with what the framebuffer should show. On a 16-bit
// display the comparison is of the 5-6-5 bits that display keeps. Adds a failure naming the first
// pixel that differs and the count of differing pixels.
inline void expect_screen_shows_framebuffer(const char* what) {
    ASSERT_TRUE(wait_presented()) << what << ": rows were never presented";
    const GfxContext* ctx = gfx_context;
    POINT origin{0, 0};
    if (!(win32_window.flags & SCREEN_FULLSCREEN)) {
        ClientToScreen(win32_window.hwnd, &origin);
    }
    const int w = ctx->width;
    const int h = ctx->height * ctx->scanline_size;
    const std::vector<uint8_t> shot = read_x_display(origin.x, origin.y, w, h);
    ASSERT_FALSE(shot.empty()) << what << ": cannot read the X display";
    const bool sixteen = x_display_depth() == 16;
    const uint8_t keep_rb = sixteen ? 0xF8 : 0xFF;
    const uint8_t keep_g = sixteen ? 0xFC : 0xFF;
    int wrong = 0;
    std::string first;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const ReferenceRgb want = expected_colour(ctx, x, y / ctx->scanline_size);
            const uint8_t* got = &shot[(static_cast<size_t>(y) * w + x) * 3];
            if ((got[0] & keep_rb) == (want.r & keep_rb) &&
                (got[1] & keep_g) == (want.g & keep_g) &&
                (got[2] & keep_rb) == (want.b & keep_rb)) {
                continue;
            }
            if (wrong++ == 0) {
                char text[160];
                std::snprintf(text, sizeof text, "(%d, %d): shows %02X%02X%02X, wants %02X%02X%02X",
                              x, y, got[0], got[1], got[2], want.r, want.g, want.b);
                first = text;
            }
        }
    }
    EXPECT_EQ(0, wrong) << what << " on a " << x_display_depth() << "-bit display; first at "
                        << first;
}

// Tests of the DirectDraw screens: each starts and ends with no screen open and no QZGFX setting,
// so a software screen goes to the first driver of the list.
class DxScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(nullptr, gfx_context) << "no screen may be open";
        SetEnvironmentVariableA("QZGFX", nullptr);
        _putenv("QZGFX=");
        dx_refuse_to_open = 0;
    }
    void TearDown() override {
        gfx_screen(0, 0, 0, 0, 0);
        dx_refuse_to_open = 0;
    }

    // Asserts that the open screen is a DirectDraw screen.
    static void expect_directx() {
        ASSERT_NE(nullptr, gfx_context);
        ASSERT_EQ(&GFX_DRIVER_DIRECTX, gfx_context->driver);
        ASSERT_NE(nullptr, win32_window.hwnd);
    }
};
