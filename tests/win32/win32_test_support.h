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

// Sets the title that the next screen is opened with.
inline void set_test_title(const char* title) {
    std::memset(gfx_title, 0, sizeof gfx_title);
    std::strncpy(gfx_title, title, sizeof gfx_title - 1);
}

// Removes every key code waiting in the key buffer and returns them, oldest first.
inline std::vector<int> drain_keys() {
    std::vector<int> codes;
    for (int code = gfx_read_key(); code != 0; code = gfx_read_key()) codes.push_back(code);
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

// Runs "/usr/bin/xdotool args", presenting frames until it ends so that the window keeps
// answering. Wine starts Unix programs without a process handle to wait on, so a shell runs
// xdotool and then leaves its exit status in a file under /tmp (drive Z: to Wine), which is polled.
// Returns xdotool's exit status, or -1 when it could not be started or did not end within 30 s.
inline int run_xdotool(const std::string& args) {
    static int runs = 0;
    std::string marker = "/tmp/qzgfx-xdotool-" + std::to_string(GetCurrentProcessId()) + "-" +
                         std::to_string(++runs);
    std::string command = "/bin/sh -c \"/usr/bin/xdotool " + args + "; echo $? > " + marker +
                          ".tmp && mv " + marker + ".tmp " + marker + "\"";
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                        &pi)) {
        ADD_FAILURE() << "cannot start " << command << ": error " << GetLastError();
        return -1;
    }
    if (pi.hThread) CloseHandle(pi.hThread);
    if (pi.hProcess) CloseHandle(pi.hProcess);
    std::string windows_path = "Z:" + marker;
    for (char& c : windows_path)
        if (c == '/') c = '\\';
    for (int waited = 0; waited < 3000; ++waited) {
        if (FILE* f = std::fopen(windows_path.c_str(), "r")) {
            int status = -1;
            if (std::fscanf(f, "%d", &status) != 1) status = -1;
            std::fclose(f);
            DeleteFileA(windows_path.c_str());
            return status;
        }
        flip_frames(1);
    }
    ADD_FAILURE() << "xdotool did not finish: " << command;
    return -1;
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
        if (!win32_window.is_active) SendMessageA(window, WM_ACTIVATEAPP, TRUE, 0);
        win32_layer.mouse_buttons = 0;
        win32_layer.mouse_wheel = 0;
        drain_keys();
    }

    static inline bool opened = false;
    HWND window = nullptr;
};
