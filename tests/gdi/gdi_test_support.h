// Helpers of the GDI driver's tests: screens opened through the driver and the framebuffer written
// and marked as a drawing operation does. Pictures are read back from the X display through
// screen_readback.h, never from the library's own buffers.
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
#include "tests/win32/screen_readback.h"
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
