// Shared pieces of the screen tests: environment helpers, a clean-slate fixture and fake drivers
// that record every call set-mode makes to them.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "gfx/core/driver_choice.h"
#include "gfx/core/screen.h"
#include "gfx/core/test_seams.h"

// Sets an environment variable for this process, portably.
inline void test_setenv(const char* name, const char* value) {
#ifdef _WIN32
    _putenv_s(name, value);
#else
    setenv(name, value, 1);
#endif
}

// Removes an environment variable for this process, portably.
inline void test_unsetenv(const char* name) {
#ifdef _WIN32
    _putenv_s(name, "");
#else
    unsetenv(name);
#endif
}

// What the fake drivers were asked to do, in order.
struct FakeDriverLog {
    std::vector<std::string> calls; // "init GDI 60 0x1", "exit GDI"
    int width = 0;
    int window_height = 0;
    int depth = 0;
    std::string title;
};

inline FakeDriverLog fake_log;

// Decides whether a fake driver's init succeeds: (driver name, refresh rate, flags).
inline std::function<bool(const std::string&, int, int)> fake_accepts;

// Records one init call and answers as fake_accepts says.
inline int fake_init(const char* name, const char* title, int width, int window_height, int depth,
                     int rate, int flags) {
    char line[64];
    std::snprintf(line, sizeof line, "init %s %d 0x%x", name, rate, static_cast<unsigned>(flags));
    fake_log.calls.emplace_back(line);
    fake_log.width = width;
    fake_log.window_height = window_height;
    fake_log.depth = depth;
    fake_log.title = title ? title : "";
    return fake_accepts && fake_accepts(name, rate, flags) ? 0 : -1;
}

inline int fake_init_dx(const char* t, int w, int h, int d, int r, int f) {
    return fake_init("DirectX", t, w, h, d, r, f);
}
inline int fake_init_gdi(const char* t, int w, int h, int d, int r, int f) {
    return fake_init("GDI", t, w, h, d, r, f);
}
inline int fake_init_gl(const char* t, int w, int h, int d, int r, int f) {
    return fake_init("OpenGL", t, w, h, d, r, f);
}
inline void fake_exit_dx() { fake_log.calls.emplace_back("exit DirectX"); }
inline void fake_exit_gdi() { fake_log.calls.emplace_back("exit GDI"); }
inline void fake_exit_gl() { fake_log.calls.emplace_back("exit OpenGL"); }
inline void fake_lock() {}
inline void fake_unlock() {}
inline void fake_set_palette(int, int, int, int) {}

inline const GfxDriver FAKE_DIRECTX = {
    "DirectX", fake_init_dx, fake_exit_dx, fake_lock, fake_unlock, fake_set_palette, nullptr,
    nullptr,   nullptr,      nullptr,      nullptr,   nullptr,     nullptr};
inline const GfxDriver FAKE_GDI = {
    "GDI",   fake_init_gdi, fake_exit_gdi, fake_lock, fake_unlock, fake_set_palette, nullptr,
    nullptr, nullptr,       nullptr,       nullptr,   nullptr,     nullptr};
inline const GfxDriver FAKE_OPENGL = {
    "OpenGL", fake_init_gl, fake_exit_gl, fake_lock, fake_unlock, fake_set_palette, nullptr,
    nullptr,  nullptr,      nullptr,      nullptr,   nullptr,     nullptr};
inline const GfxDriver* const FAKE_DRIVER_LIST[] = {&FAKE_DIRECTX, &FAKE_GDI, &FAKE_OPENGL,
                                                    nullptr};

// The rule of the real drivers: only OpenGL takes SCREEN_OPENGL, and OpenGL takes nothing else.
inline bool accepts_like_real_drivers(const std::string& name, int, int flags) {
    const bool opengl = (flags & SCREEN_OPENGL) != 0;
    return name == "OpenGL" ? opengl : !opengl;
}

// Starts and ends every screen test with no screen, no QZGFX, the real driver list and no
// injected allocation failure.
class ScreenTest : public ::testing::Test {
protected:
    void SetUp() override { reset(); }
    void TearDown() override { reset(); }

    static void reset() {
        gfx_screen(0, 0, 0, 0, 0);
        test_unsetenv("QZGFX");
        gfx_driver_list_override = nullptr;
        gfx_zalloc_fail_at = 0;
        fake_log = FakeDriverLog{};
        fake_accepts = nullptr;
    }
};

// A screen test whose screens open on the fake drivers.
class FakeDriverTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        gfx_driver_list_override = FAKE_DRIVER_LIST;
    }
};
