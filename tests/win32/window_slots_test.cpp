// The window layer's shared driver slots: mouse, pointer visibility, title, palette, retrace.
#include "win32_test_support.h"

namespace {

using WindowSlots = OpenGLScreenTest;

// The pointer's position in the library window's client coordinates.
POINT pointer_in_client(HWND window) {
    POINT p{};
    GetCursorPos(&p);
    ScreenToClient(window, &p);
    return p;
}

// Puts the pointer at a client position of the window.
void place_pointer(HWND window, int x, int y) {
    POINT p = {x, y};
    ClientToScreen(window, &p);
    SetCursorPos(p.x, p.y);
}

// Whether a cursor message is waiting; its wParam goes to *shown.
bool cursor_message_waiting(HWND window, WPARAM* shown) {
    MSG msg;
    UINT id = win32_layer.cursor_message;
    if (!PeekMessageA(&msg, window, id, id, PM_REMOVE)) {
        return false;
    }
    *shown = msg.wParam;
    return true;
}

TEST_F(WindowSlots, PlacingThePointerClampsItToTheClientArea) {
    win32_set_mouse(5000, -7, -1);
    POINT p = pointer_in_client(window);
    EXPECT_EQ(639, p.x);
    EXPECT_EQ(0, p.y);

    win32_set_mouse(12, 900, -1);
    p = pointer_in_client(window);
    EXPECT_EQ(12, p.x);
    EXPECT_EQ(479, p.y);
}

TEST_F(WindowSlots, ANegativeXLeavesThePointerAndOnlyHides) {
    place_pointer(window, 100, 100);
    win32_set_mouse(-1, 50, 0);
    POINT p = pointer_in_client(window);
    EXPECT_EQ(100, p.x);
    EXPECT_EQ(100, p.y);

    WPARAM shown = 7;
    ASSERT_TRUE(cursor_message_waiting(window, &shown));
    EXPECT_EQ(0u, shown);
    EXPECT_EQ(0, win32_layer.cursor_visible);

    win32_set_mouse(-1, 50, 0);
    EXPECT_FALSE(cursor_message_waiting(window, &shown));
    win32_set_mouse(-1, 0, -1);
    EXPECT_FALSE(cursor_message_waiting(window, &shown));

    win32_set_mouse(-1, 0, 3);
    ASSERT_TRUE(cursor_message_waiting(window, &shown));
    EXPECT_EQ(1u, shown);
    EXPECT_EQ(1, win32_layer.cursor_visible);
}

TEST_F(WindowSlots, ReadingTheMouseGivesClientPixelsWheelAndButtons) {
    place_pointer(window, 33, 44);
    SendMessageA(window, WM_RBUTTONDOWN, 0, 0);
    SendMessageA(window, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
    int x = -9, y = -9, wheel = -9, buttons = -9;
    ASSERT_EQ(0, win32_get_mouse(&x, &y, &wheel, &buttons));
    EXPECT_EQ(33, x);
    EXPECT_EQ(44, y);
    EXPECT_EQ(1, wheel);
    EXPECT_EQ(2, buttons);
    SendMessageA(window, WM_RBUTTONUP, 0, 0);
}

TEST_F(WindowSlots, ThePointerOutsideTheClientAreaOrAnInactiveAppReadsNothing) {
    RECT r{};
    GetWindowRect(window, &r);
    ASSERT_GT(r.left, 0);
    SetCursorPos(r.left - 1, r.top + 50);
    int x = 1234, y = 1234, wheel = 1234, buttons = 1234;
    EXPECT_EQ(-1, win32_get_mouse(&x, &y, &wheel, &buttons));
    EXPECT_EQ(1234, x);
    EXPECT_EQ(1234, y);
    EXPECT_EQ(1234, wheel);
    EXPECT_EQ(1234, buttons);

    place_pointer(window, 10, 10);
    SendMessageA(window, WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_EQ(-1, win32_get_mouse(&x, &y, &wheel, &buttons));
    EXPECT_EQ(1234, x);
    SendMessageA(window, WM_ACTIVATEAPP, TRUE, 0);
    EXPECT_EQ(0, win32_get_mouse(&x, &y, &wheel, &buttons));
    EXPECT_EQ(10, x);
}

TEST_F(WindowSlots, TheMouseHooksReachTheWindowLayer) {
    EXPECT_EQ(0, gfx_setmouse(200, 150, -1));
    int x = 0, y = 0, wheel = 0, buttons = 0;
    EXPECT_EQ(0, gfx_getmouse(&x, &y, &wheel, &buttons));
    EXPECT_EQ(200, x);
    EXPECT_EQ(150, y);
}

TEST_F(WindowSlots, TheTitleSlotChangesTheCaptionAlsoWhileTheContextIsLocked) {
    win32_set_window_title("qzgfx renamed");
    char text[64] = {};
    GetWindowTextA(window, text, sizeof text);
    EXPECT_STREQ("qzgfx renamed", text);

    gfx_context->flags |= CTX_LOCKED;
    win32_set_window_title("qzgfx locked");
    gfx_context->flags &= ~CTX_LOCKED;
    GetWindowTextA(window, text, sizeof text);
    EXPECT_STREQ("qzgfx locked", text);
}

TEST(WindowLayerSlots, SetPaletteStoresTheEntryForTheDisplayAndIgnoresBadIndices) {
    Win32WindowState saved = win32_window;
    win32_window.palette_dirty = 0;
    win32_set_palette(3, 10, 20, 30);
    EXPECT_EQ(10, win32_window.palette_entries[3].peRed);
    EXPECT_EQ(20, win32_window.palette_entries[3].peGreen);
    EXPECT_EQ(30, win32_window.palette_entries[3].peBlue);
    EXPECT_EQ(PC_NOCOLLAPSE, win32_window.palette_entries[3].peFlags);
    EXPECT_EQ(1, win32_window.palette_dirty);

    Win32WindowState before = win32_window;
    win32_set_palette(256, 1, 2, 3);
    win32_set_palette(-1, 1, 2, 3);
    EXPECT_EQ(0, std::memcmp(&before, &win32_window, sizeof before));
    win32_window = saved;
}

TEST(WindowLayerSlots, TheRetraceWaitIsOneRefreshPeriodOr16Ms) {
    EXPECT_EQ(16, win32_vsync_delay_ms(60));
    EXPECT_EQ(13, win32_vsync_delay_ms(75));
    EXPECT_EQ(16, win32_vsync_delay_ms(0));
    EXPECT_EQ(16, win32_vsync_delay_ms(1)); // the display's "hardware default" answer
    EXPECT_EQ(16, win32_vsync_delay_ms(-3));
    EXPECT_EQ(10, win32_vsync_delay_ms(100));
}

} // namespace
