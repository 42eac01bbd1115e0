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
