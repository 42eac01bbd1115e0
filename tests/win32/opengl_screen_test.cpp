// The OpenGL screen as the demo opens it: window, class, caption, rendering context, flip, close.
#include <GL/gl.h>

#include <cstdlib>

#include "gfx/core/pages.h"
#include "win32_test_support.h"

namespace {

using OpenGLScreen = OpenGLScreenTest;

// The colour of one pixel of the given buffer as 8-bit RGB.
struct Rgb {
    int r, g, b;
};
Rgb read_pixel(GLenum buffer, int x, int y) {
    unsigned char px[4] = {};
    glReadBuffer(buffer);
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, px);
    return Rgb{px[0], px[1], px[2]};
}

// The colour shown on the desktop at a client position of the window.
Rgb screen_pixel(HWND window, int x, int y) {
    POINT p = {x, y};
    ClientToScreen(window, &p);
    HDC dc = GetDC(nullptr);
    COLORREF c = GetPixel(dc, p.x, p.y);
    ReleaseDC(nullptr, dc);
    return Rgb{GetRValue(c), GetGValue(c), GetBValue(c)};
}

// Whether the screen saver is set to be active.
bool screensaver_active() {
    BOOL active = FALSE;
    SystemParametersInfoA(SPI_GETSCREENSAVEACTIVE, 0, &active, 0);
    return active != FALSE;
}

TEST_F(OpenGLScreen, OpensAVisibleWindowOfTheRequestedClientSizeClassAndCaption) {
    EXPECT_TRUE(IsWindowVisible(window));
    SIZE size = client_size(window);
    EXPECT_EQ(640, size.cx);
    EXPECT_EQ(480, size.cy);

    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    EXPECT_STREQ("qzgfxclass_qzgfx gl test", name);
    GetWindowTextA(window, name, sizeof name);
    EXPECT_STREQ("qzgfx gl test", name);

    EXPECT_EQ(static_cast<ULONG_PTR>(CS_HREDRAW | CS_VREDRAW | CS_OWNDC),
              GetClassLongPtrA(window, GCL_STYLE));
    LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & WS_POPUP);
    EXPECT_EQ(1, win32_window.is_active);
    EXPECT_EQ(nullptr, win32_layer.thread_handle);
}

TEST_F(OpenGLScreen, PlacesTheWholeWindowOnTheDesktop) {
    RECT r{};
    GetWindowRect(window, &r);
    EXPECT_GE(r.left, 0);
    EXPECT_GE(r.top, 0);
    EXPECT_LE(r.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_LE(r.bottom, GetSystemMetrics(SM_CYSCREEN));
}

TEST_F(OpenGLScreen, MakesARenderingContextCurrentOnThisThread) {
    EXPECT_NE(nullptr, wglGetCurrentContext());
    HDC dc = wglGetCurrentDC();
    ASSERT_NE(nullptr, dc);
    EXPECT_EQ(window, WindowFromDC(dc));
    EXPECT_NE(nullptr, glGetString(GL_VERSION));
}

TEST_F(OpenGLScreen, AClearAndAFlipShowTheClearedColour) {
    glViewport(0, 0, 640, 480);
    glClearColor(0.25f, 0.5f, 0.75f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glFinish();
    Rgb back = read_pixel(GL_BACK, 320, 240);
    EXPECT_NEAR(64, back.r, 1);
    EXPECT_NEAR(128, back.g, 1);
    EXPECT_NEAR(191, back.b, 1);

    gfx_flip(-1, -1);
    Rgb shown = screen_pixel(window, 10, 10);
    EXPECT_NEAR(64, shown.r, 1);
    EXPECT_NEAR(128, shown.g, 1);
    EXPECT_NEAR(191, shown.b, 1);
    EXPECT_EQ(GL_NO_ERROR, glGetError());
}

TEST_F(OpenGLScreen, FlipReportsASuccessfulSwap) { EXPECT_NE(0, opengl_flip()); }

TEST(OpenGLScreenLifetime, ClosingLeavesNoWindowAndRestoresTheScreenSaver) {
    // Wine answers the screen-saver setting from the X server only once its display driver is
    // loaded; load it first so that every reading below comes from the same place.
    ReleaseDC(nullptr, GetDC(nullptr));
    BOOL before = screensaver_active();
    SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, TRUE, nullptr, 0);
    ASSERT_TRUE(screensaver_active());

    set_test_title("qzgfx lifetime");
    ASSERT_EQ(0, gfx_screen_res(640, 480, 32, 0, SCREEN_OPENGL, 0));
    HWND window = win32_window.hwnd;
    ASSERT_TRUE(IsWindow(window));
    EXPECT_FALSE(screensaver_active());
    WNDCLASSA wc{};
    EXPECT_TRUE(GetClassInfoA(GetModuleHandleA(nullptr), "qzgfxclass_qzgfx lifetime", &wc));

    ASSERT_EQ(0, gfx_screen(0, 0, 0, 0, 0));
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(nullptr, FindWindowA("qzgfxclass_qzgfx lifetime", nullptr));
    EXPECT_FALSE(GetClassInfoA(GetModuleHandleA(nullptr), "qzgfxclass_qzgfx lifetime", &wc));
    EXPECT_EQ(nullptr, wglGetCurrentContext());
    EXPECT_TRUE(screensaver_active());
    EXPECT_EQ(0, win32_window.is_running);

    SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, before, nullptr, 0);
}

TEST(OpenGLScreenLifetime, ASecondScreenReplacesTheFirstWindow) {
    set_test_title("qzgfx first");
    ASSERT_EQ(0, gfx_screen_res(640, 480, 32, 0, SCREEN_OPENGL, 0));
    HWND first = win32_window.hwnd;
    set_test_title("qzgfx second");
    ASSERT_EQ(0, gfx_screen_res(320, 240, 16, 0, SCREEN_OPENGL, 0));
    EXPECT_FALSE(IsWindow(first));
    EXPECT_TRUE(IsWindow(win32_window.hwnd));
    SIZE size = client_size(win32_window.hwnd);
    EXPECT_EQ(320, size.cx);
    EXPECT_EQ(240, size.cy);
    EXPECT_EQ(nullptr, FindWindowA("qzgfxclass_qzgfx first", nullptr));
    EXPECT_NE(nullptr, wglGetCurrentContext());
    gfx_screen(0, 0, 0, 0, 0);
}

TEST(OpenGLScreenLifetime, NoSwitchGivesNoMaximiseBoxAndIgnoresAltEnter) {
    set_test_title("qzgfx fixed");
    ASSERT_EQ(0, gfx_screen_res(640, 480, 32, 0, SCREEN_OPENGL | SCREEN_NO_SWITCH, 0));
    HWND window = win32_window.hwnd;
    LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    int flags = win32_window.flags;
    EXPECT_EQ(0, SendMessageA(window, WM_SYSKEYDOWN, VK_RETURN, (1 << 29) | (0x1C << 16) | 1));
    EXPECT_EQ(flags, win32_window.flags);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(style, GetWindowLongA(window, GWL_STYLE));
    gfx_screen(0, 0, 0, 0, 0);
}

TEST(OpenGLDriver, RefusesAScreenWithoutTheOpenGLFlagAndMakesNoWindow) {
    EXPECT_EQ(-1, opengl_init("qzgfx refused", 640, 480, 32, 0, 0));
    EXPECT_EQ(nullptr, win32_window.hwnd);
    EXPECT_EQ(nullptr, FindWindowA("qzgfxclass_qzgfx refused", nullptr));
    opengl_exit();
    EXPECT_EQ(0, win32_window.is_running);
}

TEST(OpenGLDriver, RaisesADepthBelowEightToEight) {
    ASSERT_EQ(0, opengl_init("qzgfx depth", 320, 200, 4, 0, SCREEN_OPENGL));
    EXPECT_EQ(8, win32_window.depth);
    EXPECT_NE(nullptr, wglGetCurrentContext());
    opengl_exit();
    EXPECT_EQ(nullptr, wglGetCurrentContext());
}

TEST(OpenGLDriver, AsksForStencilBitsWhenTheFlagSaysSo) {
    ASSERT_EQ(0, opengl_init("qzgfx stencil", 320, 200, 32, 0,
                             SCREEN_OPENGL | SCREEN_STENCIL_BUFFER | SCREEN_ACCUM_BUFFER));
    GLint stencil = 0;
    glGetIntegerv(GL_STENCIL_BITS, &stencil);
    EXPECT_GE(stencil, 8);
    GLint depth = 0;
    glGetIntegerv(GL_DEPTH_BITS, &depth);
    EXPECT_GE(depth, 16);
    opengl_exit();
}

TEST(OpenGLDriver, ARefusedFullScreenRequestFailsInit) {
    // The virtual display offers no 123 x 45 mode.
    EXPECT_EQ(-1, opengl_init("qzgfx full", 123, 45, 32, 0, SCREEN_OPENGL | SCREEN_FULLSCREEN));
    opengl_exit();
    EXPECT_EQ(nullptr, FindWindowA("qzgfxclass_qzgfx full", nullptr));
}

TEST(OpenGLDriver, FetchModesListsTheDesktopModeAndNothingForAnUnknownDepth) {
    int count = -5;
    uint32_t* none = opengl_fetch_modes(7, &count);
    EXPECT_EQ(nullptr, none);
    EXPECT_EQ(0, count);

    int width = 0, height = 0, depth = 0, rate = 0;
    win32_get_desktop_info(&width, &height, &depth, &rate);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), width);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), height);
    uint32_t* modes = opengl_fetch_modes(depth, &count);
    ASSERT_NE(nullptr, modes);
    ASSERT_GT(count, 0);
    bool found = false;
    for (int i = 0; i < count; ++i) {
        found |= modes[i] == ((static_cast<uint32_t>(width) << 16) | static_cast<uint32_t>(height));
    }
    EXPECT_TRUE(found);
    std::free(modes);
}

} // namespace
