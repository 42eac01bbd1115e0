// The software screens' display-thread handshake, with thread procedures of the tests' own.
#include "win32_test_support.h"

namespace {

// Set by the display thread once it leaves its loop.
volatile LONG thread_finished = 0;

// A display thread as the software drivers run it: make the window, signal, then pump the
// window's messages under the window lock until the layer stops.
unsigned __stdcall windowed_thread(void* event) {
    win32_window.hwnd =
        CreateWindowExA(0, win32_window.class_name, "qzgfx soft", WS_OVERLAPPED, 0, 0, 320, 200,
                        nullptr, nullptr, win32_window.hinstance, nullptr);
    if (!win32_window.hwnd) {
        return 1;
    }
    win32_window.is_active = 1;
    SetEvent(static_cast<HANDLE>(event));
    while (win32_window.is_running) {
        win32_lock();
        win32_pump_messages();
        win32_unlock();
        Sleep(1);
    }
    DestroyWindow(win32_window.hwnd);
    InterlockedExchange(&thread_finished, 1);
    return 0;
}

// A display thread whose window cannot be made: it ends without signalling.
unsigned __stdcall failing_thread(void*) { return 1; }

// A context of the tests' own for a software screen, locked through the window layer.
class SoftwareScreen : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(nullptr, gfx_context) << "no screen may be open";
        driver = GFX_DRIVER_NULL;
        driver.lock = win32_lock;
        driver.unlock = win32_unlock;
        ctx.driver = &driver;
        gfx_context = &ctx;
        thread_finished = 0;
        win32_clear_window_state();
    }
    void TearDown() override {
        win32_exit();
        gfx_context = nullptr;
        drain_keys();
    }
    GfxDriver driver{};
    GfxContext ctx{};
};

TEST_F(SoftwareScreen, InitWaitsForTheThreadsWindowAndRaisesItsPriority) {
    win32_window.thread_proc = windowed_thread;
    ASSERT_EQ(0, win32_init("qzgfx soft", 320, 200, 8, 0, 0));
    ASSERT_NE(nullptr, win32_layer.thread_handle);
    EXPECT_TRUE(IsWindow(win32_window.hwnd)) << "the window exists before init returns";
    EXPECT_EQ(THREAD_PRIORITY_ABOVE_NORMAL, GetThreadPriority(win32_layer.thread_handle));

    WNDCLASSA wc{};
    ASSERT_TRUE(GetClassInfoA(GetModuleHandleA(nullptr), "qzgfxclass_qzgfx soft", &wc));
    EXPECT_EQ(static_cast<UINT>(CS_HREDRAW | CS_VREDRAW), wc.style);
    EXPECT_EQ(gfx_window_proc, wc.lpfnWndProc);
    EXPECT_EQ(LoadIconA(nullptr, IDI_APPLICATION), wc.hIcon) << "no icon resource: the default";
    EXPECT_EQ(LoadCursorA(nullptr, IDC_ARROW), wc.hCursor);
}

TEST_F(SoftwareScreen, TheWindowProcedureRunsOnTheDisplayThreadUnderTheLock) {
    win32_window.thread_proc = windowed_thread;
    ASSERT_EQ(0, win32_init("qzgfx soft", 320, 200, 8, 0, 0));
    PostMessageA(win32_window.hwnd, WM_CLOSE, 0, 0);
    int code = 0;
    for (int i = 0; i < 500 && code == 0; ++i) {
        code = gfx_read_key();
        if (code == 0) {
            Sleep(10);
        }
    }
    EXPECT_EQ(CLOSE_KEY_CODE, code);
    EXPECT_TRUE(IsWindow(win32_window.hwnd));
    EXPECT_EQ(0u, ctx.flags & (CTX_LOCKED | CTX_AUTO_LOCKED));
}

TEST_F(SoftwareScreen, TheTitleIsSetWhileTheProgramHoldsTheLock) {
    win32_window.thread_proc = windowed_thread;
    ASSERT_EQ(0, win32_init("qzgfx soft", 320, 200, 8, 0, 0));
    {
        GfxLockGuard lock(&ctx);
        ASSERT_TRUE(lock.took());
        win32_set_window_title("qzgfx soft renamed");
    }
    char text[64] = {};
    GetWindowTextA(win32_window.hwnd, text, sizeof text);
    EXPECT_STREQ("qzgfx soft renamed", text);
}

TEST_F(SoftwareScreen, ExitStopsTheThreadAndASecondExitDoesNothing) {
    win32_window.thread_proc = windowed_thread;
    ASSERT_EQ(0, win32_init("qzgfx soft", 320, 200, 8, 0, 0));
    win32_exit();
    EXPECT_EQ(1, thread_finished);
    EXPECT_EQ(nullptr, win32_layer.thread_handle);
    EXPECT_EQ(0, win32_window.is_running);
    WNDCLASSA wc{};
    EXPECT_FALSE(GetClassInfoA(GetModuleHandleA(nullptr), "qzgfxclass_qzgfx soft", &wc));
    win32_exit();
    EXPECT_EQ(0, win32_window.is_running);
    win32_lock(); // without a window lock the slots do nothing
    win32_unlock();
}

TEST_F(SoftwareScreen, AThreadThatEndsBeforeSignallingFailsInitWithoutHanging) {
    win32_window.thread_proc = failing_thread;
    EXPECT_EQ(-1, win32_init("qzgfx failing", 320, 200, 8, 0, 0));
    EXPECT_EQ(1, win32_window.is_running) << "the driver's exit still has to close the layer";
    win32_exit();
    EXPECT_EQ(nullptr, win32_layer.thread_handle);
    EXPECT_EQ(0, win32_layer.has_window_lock);
}

TEST_F(SoftwareScreen, ADriverWithoutAThreadProcedureFailsInit) {
    EXPECT_EQ(-1, win32_init("qzgfx nothread", 320, 200, 8, 0, 0));
    EXPECT_EQ(nullptr, win32_layer.thread_handle);
}

TEST_F(SoftwareScreen, AnOpenGLScreenStartsNoThreadAndMakesNoLock) {
    EXPECT_EQ(0, win32_init("qzgfx glonly", 320, 200, 16, 0, SCREEN_OPENGL));
    EXPECT_EQ(nullptr, win32_layer.thread_handle);
    EXPECT_EQ(0, win32_layer.has_window_lock);
    WNDCLASSA wc{};
    ASSERT_TRUE(GetClassInfoA(GetModuleHandleA(nullptr), "qzgfxclass_qzgfx glonly", &wc));
    EXPECT_EQ(static_cast<UINT>(CS_HREDRAW | CS_VREDRAW | CS_OWNDC), wc.style);
    EXPECT_EQ(1, win32_layer.cursor_visible);
    EXPECT_EQ(0, win32_layer.mouse_buttons);
    EXPECT_EQ(0, win32_layer.mouse_wheel);
}

} // namespace
