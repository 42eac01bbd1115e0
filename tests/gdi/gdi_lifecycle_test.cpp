// The GDI driver's life: refusing full screen, QZGFX, many screens opened and closed, and many
// operations from the program's thread while the display thread presents.
#include "gdi_test_support.h"

#include <psapi.h>
#include <tlhelp32.h>

#include "gfx/drivers/opengl_driver.h"

namespace {

// The threads of this process.
int thread_count() {
    HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snap == INVALID_HANDLE_VALUE) {
        return -1;
    }
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    int count = 0;
    for (BOOL more = Thread32First(snap, &entry); more; more = Thread32Next(snap, &entry)) {
        if (entry.th32OwnerProcessID == GetCurrentProcessId()) {
            ++count;
        }
    }
    CloseHandle(snap);
    return count;
}

// The process's private memory in bytes.
size_t private_bytes() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                         sizeof counters);
    return counters.PrivateUsage;
}

// The open handles of this process.
DWORD handle_count() {
    DWORD count = 0;
    GetProcessHandleCount(GetCurrentProcess(), &count);
    return count;
}

TEST_F(GdiTest, FullScreenMakesTheDriverFailAndChoiceGoesOn) {
    // Straight to the driver, on a windowless screen's framebuffer: refused, nothing left behind.
    _putenv("QZGFX=null");
    ASSERT_EQ(0, gfx_screen(13, 0, 1, 0, 0));
    const size_t windows_before = process_windows().size();
    EXPECT_EQ(-1, GFX_DRIVER_GDI.init("qzgfx gdi test", 320, 200, 8, 0, SCREEN_FULLSCREEN));
    GFX_DRIVER_GDI.exit();
    EXPECT_EQ(nullptr, win32_window.hwnd);
    EXPECT_EQ(nullptr, win32_layer.thread_handle);
    EXPECT_EQ(windows_before, process_windows().size());
    EXPECT_EQ(-1, GFX_DRIVER_GDI.init("qzgfx gdi test", 320, 200, 8, 0, SCREEN_OPENGL));
    GFX_DRIVER_GDI.exit();
    gfx_screen(0, 0, 0, 0, 0);

    // Through set-mode: GDI refuses and the choice goes on, to a driver that shows the full screen
    // (DirectDraw, over the desktop) or, after full screen is toggled off, to GDI's window.
    _putenv("QZGFX=GDI");
    ASSERT_EQ(0, gfx_screen(13, 0, 1, SCREEN_FULLSCREEN, 0));
    ASSERT_NE(nullptr, gfx_context);
    EXPECT_NE(&GFX_DRIVER_OPENGL, gfx_context->driver);
    EXPECT_EQ(
        0, std::string(gfx_driver_report()).rfind("GDI, full screen: has no full-screen mode\n", 0))
        << gfx_driver_report();
    if (gfx_context->driver == &GFX_DRIVER_GDI) {
        EXPECT_EQ(0, win32_window.flags & SCREEN_FULLSCREEN);
    }
    EXPECT_TRUE(IsWindow(win32_window.hwnd));
}

TEST_F(GdiTest, QzgfxGdiTakesSoftwareScreensAndLeavesOpenGLScreensToOpenGL) {
    for (int mode : {1, 2, 7, 9, 10, 12, 13, 18}) {
        ASSERT_EQ(0, gfx_screen(mode, 0, 1, 0, 0)) << "mode " << mode;
        EXPECT_EQ(&GFX_DRIVER_GDI, gfx_context->driver) << "mode " << mode;
        RECT client{};
        GetClientRect(win32_window.hwnd, &client);
        EXPECT_EQ(gfx_context->width, client.right) << "mode " << mode;
        EXPECT_EQ(gfx_context->height * gfx_context->scanline_size, client.bottom)
            << "mode " << mode;
    }
    for (int depth : {15, 16, 24, 32}) {
        ASSERT_EQ(0, gfx_screen_res(123, 45, depth, 1, 0, 0)) << depth;
        EXPECT_EQ(&GFX_DRIVER_GDI, gfx_context->driver) << depth;
    }
    _putenv("QZGFX=gdi");
    ASSERT_EQ(0, gfx_screen_res(640, 480, 32, 1, SCREEN_OPENGL, 0));
    EXPECT_EQ(&GFX_DRIVER_OPENGL, gfx_context->driver);
}

TEST_F(GdiTest, ManyOperationsWhileTheDisplayThreadPresents) {
    ASSERT_TRUE(open_mode(13));
    gfx_screen(13, 0, 2, 0, 0);
    ASSERT_EQ(2, gfx_context->num_pages);
    std::mt19937 random(1);
    for (int i = 0; i < 10000; ++i) {
        switch (i % 3) {
        case 0:
            gfx_palette(static_cast<int>(random() & 0xFF), static_cast<int>(random() & 0xFF),
                        static_cast<int>(random() & 0xFF), static_cast<int>(random() & 0xFF));
            break;
        case 1: {
            const int y = static_cast<int>(random() % 200);
            GfxLockGuard lock(gfx_context);
            scribble_row(random, y);
            uint8_t* work = gfx_context->pages[1] + static_cast<ptrdiff_t>(y) * gfx_context->pitch;
            work[random() % 320] = static_cast<uint8_t>(random());
            gfx_context->dirty_rows[y] = 1;
            break;
        }
        default:
            gfx_flip(1, 0);
            break;
        }
    }
    // Still answering, and showing the last picture exactly.
    DWORD_PTR answer = 0;
    EXPECT_NE(0,
              SendMessageTimeoutA(win32_window.hwnd, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &answer));
    ASSERT_TRUE(wait_presented());
    EXPECT_TRUE(shows_framebuffer(read_client_area(win32_window.hwnd)));
}

TEST_F(GdiTest, TwoHundredScreensLeaveNoThreadsWindowsHandlesOrMemoryBehind) {
    // A few rounds first, so that one-time allocations of the library and Wine are made.
    for (int i = 0; i < 5; ++i) {
        ASSERT_EQ(0, gfx_screen(13, 0, 1, 0, 0));
        gfx_screen(0, 0, 0, 0, 0);
    }
    const int threads = thread_count();
    const size_t windows = process_windows().size();
    const DWORD handles = handle_count();
    const size_t memory = private_bytes();
    for (int i = 0; i < 200; ++i) {
        ASSERT_EQ(0, gfx_screen(13, 0, 1, 0, 0)) << "round " << i;
        ASSERT_EQ(&GFX_DRIVER_GDI, gfx_context->driver);
        gfx_screen(0, 0, 0, 0, 0);
    }
    EXPECT_EQ(threads, thread_count());
    EXPECT_EQ(windows, process_windows().size());
    EXPECT_LE(handle_count(), handles + 2) << "handles before: " << handles;
    // One leaked framebuffer per round would be 200 x 64000 bytes; one leaked bitmap block 200 x
    // 1068. Allow less than the latter.
    EXPECT_LT(private_bytes(), memory + 200 * 1024) << "private bytes before: " << memory;
}

} // namespace
