// The DirectDraw driver's place among the drivers and its life cycle: it is the first choice for
// software screens, GDI takes over when it cannot open, the retrace handshake, the mode list
// without a screen, and open/close cycles that leave nothing behind.
#include "dx_test_support.h"

#define PSAPI_VERSION 2
#include <psapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <set>

#include "gfx/core/driver_choice.h"
#include "gfx/core/pages.h"
#include "gfx/core/test_seams.h"
#include "gfx/drivers/dx_state.h"
#include "gfx/drivers/opengl_driver.h"

namespace {

class DxLifecycle : public DxScreenTest {};

TEST_F(DxLifecycle, ScreenSyncWaitsWithTheDisplayThreadAndNeverDeadlocks) {
    set_test_title("qzgfx dx sync");
    ASSERT_EQ(0, gfx_screen_res(160, 100, 16, 0, 0, 0));
    expect_directx();
    for (int i = 0; i < 10000; ++i) {
        {
            GfxLockGuard lock(gfx_context);
            const int y = i % 100;
            reinterpret_cast<uint16_t*>(gfx_context->pages[0] + y * gfx_context->pitch)[i % 160] =
                static_cast<uint16_t>(i);
            gfx_context->dirty_rows[y] = 1;
        }
        ASSERT_EQ(0, gfx_screen_sync());
    }
    EXPECT_TRUE(wait_presented()) << "the display thread still presents";
    EXPECT_EQ(0, dx.vsync_requested) << "the display thread took up the last request";
    expect_screen_shows_framebuffer("after 10,000 syncs");
}

// The display modes of one depth according to user32, as (width << 16) | height.
std::set<uint32_t> user32_modes(int depth) {
    std::set<uint32_t> modes;
    DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    for (DWORD i = 0; EnumDisplaySettingsA(nullptr, i, &mode); ++i) {
        if (static_cast<int>(mode.dmBitsPerPel) == depth) {
            modes.insert((mode.dmPelsWidth << 16) | mode.dmPelsHeight);
        }
    }
    return modes;
}

// The number of modules loaded in this process.
int module_count() {
    int n = 0;
    HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, GetCurrentProcessId());
    if (snap == INVALID_HANDLE_VALUE) {
        return -1;
    }
    MODULEENTRY32 m{};
    m.dwSize = sizeof m;
    for (BOOL ok = Module32First(snap, &m); ok; ok = Module32Next(snap, &m)) {
        ++n;
    }
    CloseHandle(snap);
    return n;
}

// Wine keeps "ddraw.dll" mapped once it was loaded, so what can be seen of the unloading is that
// the call leaves no module behind and no DirectDraw object of the driver's.
TEST_F(DxLifecycle, FetchModesWithoutAScreenLoadsDirectDrawForTheCallOnly) {
    const int modules_before = module_count();
    int desktop_w = 0, desktop_h = 0, depth = 0, rate = 0;
    win32_get_desktop_info(&desktop_w, &desktop_h, &depth, &rate);
    int count = -1;
    uint32_t* modes = dx_fetch_modes(depth, &count);
    EXPECT_LE(module_count(), std::max(modules_before, 0) + 1) << "at most ddraw.dll stays mapped";
    EXPECT_EQ(nullptr, dx.ddraw);
    ASSERT_NE(nullptr, modes);
    ASSERT_GT(count, 0);
    const std::set<uint32_t> listed(modes, modes + count);
    EXPECT_TRUE(
        listed.count((static_cast<uint32_t>(desktop_w) << 16) | static_cast<uint32_t>(desktop_h)))
        << "the current mode is listed";
    const std::set<uint32_t> known = user32_modes(depth);
    for (uint32_t m : listed) {
        EXPECT_TRUE(known.count(m)) << (m >> 16) << " x " << (m & 0xFFFF);
    }
    std::free(modes);

    int none = -1;
    uint32_t* odd = dx_fetch_modes(13, &none);
    EXPECT_EQ(nullptr, odd);
    EXPECT_EQ(0, none);

    set_test_title("qzgfx dx modes");
    ASSERT_EQ(0, gfx_screen(13, 0, 0, 0, 0));
    expect_directx();
    int open_count = 0;
    uint32_t* open_modes = gfx_context->driver->fetch_modes(depth, &open_count);
    EXPECT_EQ(count, open_count) << "an open screen lists the same modes";
    std::free(open_modes);
}

// A driver standing in for the one after DirectDraw in the list: it opens without a window and
// counts its calls.
int stand_in_inits = 0;
int stand_in_init(const char*, int, int, int, int, int) {
    ++stand_in_inits;
    return win32_window.is_running ? -1 : 0; // DirectDraw's exit must have closed the layer
}
void stand_in_exit() {}
void nothing() {}
void no_palette(int, int, int, int) {}
const GfxDriver STAND_IN = {"StandIn",  stand_in_init, stand_in_exit, nothing, nothing,
                            no_palette, nullptr,       nullptr,       nullptr, nullptr,
                            nullptr,    nullptr,       nullptr};

// The driver of the list that follows DirectDraw, null when DirectDraw is last.
const GfxDriver* driver_after_directx() {
    for (const GfxDriver* const* d = DRIVER_LIST; *d; ++d) {
        if (*d == &GFX_DRIVER_DIRECTX) {
            return d[1];
        }
    }
    return nullptr;
}

TEST_F(DxLifecycle, DirectDrawIsFirstAndTheNextDriverTakesTheScreenWhenItCannotOpen) {
    ASSERT_EQ(&GFX_DRIVER_DIRECTX, DRIVER_LIST[0]);
    EXPECT_STREQ("DirectX", GFX_DRIVER_DIRECTX.name);

    dx_refuse_to_open = 1;
    const GfxDriver* const list[] = {&GFX_DRIVER_DIRECTX, &STAND_IN, nullptr};
    gfx_driver_list_override = list;
    stand_in_inits = 0;
    set_test_title("qzgfx dx refused");
    const int opened = gfx_screen(13, 0, 0, 0, 0);
    gfx_driver_list_override = nullptr;
    ASSERT_EQ(0, opened);
    EXPECT_EQ(&STAND_IN, gfx_context->driver);
    EXPECT_EQ(1, stand_in_inits);
    EXPECT_EQ(nullptr, win32_layer.thread_handle) << "no display thread is left behind";
    EXPECT_EQ(nullptr, dx.ddraw_library) << "the handles are forgotten";
    EXPECT_EQ(nullptr, win32_window.hwnd);
    EXPECT_EQ(nullptr, GetModuleHandleA("dinput.dll")) << "DirectInput was not left loaded";
    gfx_screen(0, 0, 0, 0, 0);

    // With the real list: GDI, where it follows, takes the screen; an OpenGL screen still gets
    // OpenGL.
    const GfxDriver* next = driver_after_directx();
    ASSERT_NE(nullptr, next);
    const bool gdi_follows = std::string(next->name) == "GDI";
    const int software = gfx_screen(13, 0, 0, 0, 0);
    if (gdi_follows) {
        ASSERT_EQ(0, software);
        EXPECT_STREQ("GDI", gfx_context->driver->name);
    } else {
        EXPECT_NE(0, software) << "nothing but DirectDraw and GDI shows a software screen";
    }
    gfx_screen(0, 0, 0, 0, 0);
    set_test_title("qzgfx dx gl");
    ASSERT_EQ(0, gfx_screen_res(320, 200, 32, 0, SCREEN_OPENGL, 0));
    EXPECT_EQ(&GFX_DRIVER_OPENGL, gfx_context->driver);
}

// What an open/close cycle could leave behind in this process.
struct Footprint {
    int threads = 0;
    int windows = 0;
    int modules = 0;
    DWORD handles = 0;
    size_t private_bytes = 0;
};

BOOL CALLBACK count_own_window(HWND window, LPARAM count) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == GetCurrentProcessId()) {
        ++*reinterpret_cast<int*>(count);
    }
    return TRUE;
}

Footprint footprint() {
    Footprint f;
    const DWORD pid = GetCurrentProcessId();
    HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD | TH32CS_SNAPMODULE, pid);
    if (snap != INVALID_HANDLE_VALUE) {
        THREADENTRY32 t{};
        t.dwSize = sizeof t;
        for (BOOL ok = Thread32First(snap, &t); ok; ok = Thread32Next(snap, &t)) {
            if (t.th32OwnerProcessID == pid) {
                ++f.threads;
            }
        }
        MODULEENTRY32 m{};
        m.dwSize = sizeof m;
        for (BOOL ok = Module32First(snap, &m); ok; ok = Module32Next(snap, &m)) {
            ++f.modules;
        }
        CloseHandle(snap);
    }
    EnumWindows(count_own_window, reinterpret_cast<LPARAM>(&f.windows));
    GetProcessHandleCount(GetCurrentProcess(), &f.handles);
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(GetCurrentProcess(),
                             reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory)) {
        f.private_bytes = memory.PrivateUsage;
    }
    return f;
}

class DxCycles : public DxScreenTest {};

TEST_F(DxCycles, TwoHundredOpenCloseCyclesLeaveNoGrowth) {
    set_test_title("qzgfx dx cycles");
    auto cycle = [] {
        ASSERT_EQ(0, gfx_screen_res(64, 48, 8, 0, 0, 0));
        ASSERT_EQ(&GFX_DRIVER_DIRECTX, gfx_context->driver);
        gfx_screen(0, 0, 0, 0, 0);
    };
    for (int i = 0; i < 10; ++i) {
        ASSERT_NO_FATAL_FAILURE(cycle()); // let Wine's caches settle
    }
    const Footprint before = footprint();
    for (int i = 0; i < 200; ++i) {
        ASSERT_NO_FATAL_FAILURE(cycle());
    }
    const Footprint after = footprint();
    EXPECT_EQ(before.threads, after.threads);
    EXPECT_EQ(before.windows, after.windows);
    EXPECT_EQ(before.modules, after.modules);
    EXPECT_EQ(nullptr, GetModuleHandleA("dinput.dll")) << "every load of DirectInput was freed";
    EXPECT_LE(after.handles, before.handles + 4) << "handles leak";
    // 200 cycles that each kept 1 KiB would add 200 KiB.
    EXPECT_LT(after.private_bytes, before.private_bytes + 128 * 1024)
        << "private memory grew from " << before.private_bytes << " to " << after.private_bytes;
}

} // namespace
