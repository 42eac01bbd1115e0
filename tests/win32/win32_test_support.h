// Helpers shared by the Win32 tests: an OpenGL screen fixture, key-buffer draining and running
// xdotool (a Unix program that Wine starts like any other) while the window's messages are pumped.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "gfx/core/context.h"
#include "gfx/core/screen.h"
#include "gfx/core/types.h"
#include "gfx/drivers/opengl_driver.h"
#include "gfx/input/input.h"
#include "gfx/win32/win32_window.h"
#include "tests/win32/unix_shell.h"

// Sets the title that the next screen is opened with.
inline void set_test_title(const char* title) {
    std::memset(gfx_title, 0, sizeof gfx_title);
    std::strncpy(gfx_title, title, sizeof gfx_title - 1);
}

// Removes every key code waiting in the key buffer and returns them, oldest first.
inline std::vector<int> drain_keys() {
    std::vector<int> codes;
    for (int code = gfx_read_key(); code != 0; code = gfx_read_key()) {
        codes.push_back(code);
    }
    return codes;
}

// The client size of a window.
inline SIZE client_size(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

// Presents frames of the open screen (which pumps its messages) n times.
inline void flip_frames(int n) {
    for (int i = 0; i < n; ++i) {
        opengl_flip();
        Sleep(10);
    }
}

// Runs xdotool with args while the window's messages are pumped (the screen's frames are
// presented meanwhile); its exit status, or -1 when it could not be started or did not end in 30 s.
inline int run_xdotool(const std::string& args) {
    return run_unix_shell("/usr/bin/xdotool " + args, 30000, [] { flip_frames(1); });
}

// Tests that share one screen of the demo's kind: 640 x 480, 32 bits, windowed OpenGL. Opening
// and closing a window costs seconds on a display without a window manager, so the screen is
// opened once per suite; each test starts with an active window and an empty key buffer.
class OpenGLScreenTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        set_test_title("qzgfx gl test");
        opened = gfx_screen_res(640, 480, 32, 0, SCREEN_OPENGL, 0) == 0;
    }

    static void TearDownTestSuite() { gfx_screen(0, 0, 0, 0, 0); }

    void SetUp() override {
        ASSERT_TRUE(opened);
        ASSERT_NE(nullptr, gfx_context);
        ASSERT_EQ(&GFX_DRIVER_OPENGL, gfx_context->driver);
        window = win32_window.hwnd;
        ASSERT_NE(nullptr, window);
        if (!win32_window.is_active) {
            SendMessageA(window, WM_ACTIVATEAPP, TRUE, 0);
        }
        win32_layer.mouse_buttons = 0;
        win32_layer.mouse_wheel = 0;
        drain_keys();
    }

    static inline bool opened = false;
    HWND window = nullptr;
};
