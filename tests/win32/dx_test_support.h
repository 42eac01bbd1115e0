// Helpers for the tests of the DirectDraw screens: running Unix tools while the display thread
// keeps the window alive, and a fixture that starts and ends with no screen open. Pictures are read
// back from the X display through screen_readback.h.
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
#include "tests/win32/screen_readback.h"
#include "tests/win32/unix_shell.h"

// Runs command with /bin/sh; its exit status, or -1 (see run_unix_shell).
inline int run_unix(const std::string& command) { return run_unix_shell(command); }

// Fills the framebuffer with a pattern in which neighbouring pixels differ, under the lock.
// Paletted screens use every colour of their depth; wider pixels get scattered bit patterns.
inline void draw_pattern(uint32_t seed) {
    GfxContext* ctx = gfx_context;
    GfxLockGuard lock(ctx);
    const uint32_t colours = ctx->depth >= 8 ? 256u : 1u << ctx->depth;
    for (int y = 0; y < ctx->height; ++y) {
        uint8_t* row = ctx->pages[0] + y * ctx->pitch;
        for (int x = 0; x < ctx->width; ++x) {
            const uint32_t v = (static_cast<uint32_t>(x) * 2654435761u) ^
                               (static_cast<uint32_t>(y) * 40503u) ^ seed;
            switch (ctx->bytes_per_pixel) {
            case 1:
                row[x] = static_cast<uint8_t>((x / 3 + y + seed) % colours);
                break;
            case 2:
                std::memcpy(row + 2 * x, &v, 2);
                break;
            default:
                std::memcpy(row + 4 * x, &v, 4);
                break;
            }
        }
        ctx->dirty_rows[y] = 1;
    }
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
