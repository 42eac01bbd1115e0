// Driver choice: the Null driver on request, and the passes over the driver list that QZGFX picks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rt/rt.h"
#include "screen_test_support.h"

namespace {

using Calls = std::vector<std::string>;

// The calls of one pass over every fake driver, none of which opens: init at rate, init at 0,
// each failure closed again.
Calls failing_pass_over_all(int rate, const char* flags) {
    Calls calls;
    for (const char* name : {"DirectX", "GDI", "OpenGL"}) {
        for (int r : {rate, 0}) {
            calls.push_back(std::string("init ") + name + " " + std::to_string(r) + " " + flags);
            calls.push_back(std::string("exit ") + name);
        }
    }
    return calls;
}

// Appends b to a.
Calls operator+(Calls a, const Calls& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

using DriverChoice = FakeDriverTest;

TEST_F(DriverChoice, OpenGlScreenWithoutPreferenceIsTakenByOpenGlOnItsFirstTry) {
    fake_accepts = accepts_like_real_drivers;
    ASSERT_EQ(gfx_screen_res(640, 480, 32, 0, SCREEN_OPENGL, 0), 0);
    EXPECT_EQ(gfx_context->driver, &FAKE_OPENGL);
    const Calls expected = {"init DirectX 0 0x2", "exit DirectX",   "init DirectX 0 0x2",
                            "exit DirectX",       "init GDI 0 0x2", "exit GDI",
                            "init GDI 0 0x2",     "exit GDI",       "init OpenGL 0 0x2"};
    EXPECT_EQ(fake_log.calls, expected);
    EXPECT_EQ(fake_log.width, 640);
    EXPECT_EQ(fake_log.window_height, 480);
    EXPECT_EQ(fake_log.depth, 32);
}

TEST_F(DriverChoice, PlainScreenIsTakenByTheFirstDriverAndNeverReachesOpenGl) {
    fake_accepts = accepts_like_real_drivers;
    ASSERT_EQ(gfx_screen(13, 0, 1, 0, 70), 0);
    EXPECT_EQ(gfx_context->driver, &FAKE_DIRECTX);
    EXPECT_EQ(fake_log.calls, Calls{"init DirectX 70 0x0"});
}

TEST_F(DriverChoice, SecondTryUsesRefreshRateZero) {
    fake_accepts = [](const std::string& name, int rate, int) {
        return name == "GDI" && rate == 0;
    };
    ASSERT_EQ(gfx_screen(13, 0, 1, 0, 85), 0);
    EXPECT_EQ(gfx_context->driver, &FAKE_GDI);
    const Calls expected = {"init DirectX 85 0x0", "exit DirectX",    "init DirectX 0 0x0",
                            "exit DirectX",        "init GDI 85 0x0", "exit GDI",
                            "init GDI 0 0x0"};
    EXPECT_EQ(fake_log.calls, expected);
}

TEST_F(DriverChoice, Mode2OpensAWindowTwiceAsHighAsItsFramebuffer) {
    fake_accepts = accepts_like_real_drivers;
    ASSERT_EQ(gfx_screen(2, 0, 1, 0, 0), 0);
    EXPECT_EQ(fake_log.width, 640);
    EXPECT_EQ(fake_log.window_height, 400);
    EXPECT_EQ(gfx_context->height, 200);
    EXPECT_EQ(fake_log.title, gfx_title);
}

TEST_F(DriverChoice, NamedDriverIsPreferredWhateverTheCase) {
    fake_accepts = accepts_like_real_drivers;
    test_setenv("QZGFX", "gdi");
    ASSERT_EQ(gfx_screen(13, 0, 1, 0, 0), 0);
    EXPECT_EQ(gfx_context->driver, &FAKE_GDI);
    EXPECT_EQ(fake_log.calls, Calls{"init GDI 0 0x0"});
}

TEST_F(DriverChoice, FailingNamedDriverRunsTheFourPassesInOrder) {
    fake_accepts = [](const std::string&, int, int) { return false; };
    test_setenv("QZGFX", "GDI");
    rt_set_error(0);
    EXPECT_EQ(gfx_screen(13, 0, 1, 0, 60), RT_ERR_ILLEGAL_CALL);
    EXPECT_EQ(rt_last_error(), RT_ERR_ILLEGAL_CALL);
    const Calls gdi_twice = {"init GDI 60 0x0", "exit GDI", "init GDI 0 0x0", "exit GDI"};
    const Calls expected =
        gdi_twice + failing_pass_over_all(60, "0x0") + gdi_twice + failing_pass_over_all(60, "0x1");
    EXPECT_EQ(fake_log.calls, expected);
    EXPECT_EQ(gfx_context, nullptr);
}

TEST_F(DriverChoice, WithoutPreferenceTheSecondPassTogglesFullScreen) {
    fake_accepts = [](const std::string&, int, int) { return false; };
    EXPECT_EQ(gfx_screen(13, 0, 1, SCREEN_FULLSCREEN, 0), RT_ERR_ILLEGAL_CALL);
    EXPECT_EQ(fake_log.calls, failing_pass_over_all(0, "0x1") + failing_pass_over_all(0, "0x0"));
}

TEST_F(DriverChoice, FullScreenRefusalFallsBackToAWindow) {
    fake_accepts = [](const std::string& name, int, int flags) {
        return name == "GDI" && !(flags & SCREEN_FULLSCREEN);
    };
    ASSERT_EQ(gfx_screen(13, 0, 1, SCREEN_FULLSCREEN, 0), 0);
    EXPECT_EQ(gfx_context->driver, &FAKE_GDI);
    EXPECT_EQ(fake_log.calls.back(), "init GDI 0 0x0");
}

TEST_F(DriverChoice, UnknownPreferenceLeavesOnlyThePassesOverAll) {
    fake_accepts = [](const std::string& name, int, int) { return name == "OpenGL"; };
    test_setenv("QZGFX", "Vulkan");
    ASSERT_EQ(gfx_screen(13, 0, 1, 0, 0), 0);
    EXPECT_EQ(gfx_context->driver, &FAKE_OPENGL);
    const Calls expected = {"init DirectX 0 0x0", "exit DirectX",   "init DirectX 0 0x0",
                            "exit DirectX",       "init GDI 0 0x0", "exit GDI",
                            "init GDI 0 0x0",     "exit GDI",       "init OpenGL 0 0x0"};
    EXPECT_EQ(fake_log.calls, expected);
}

TEST_F(DriverChoice, NullPreferenceInAnyCaseTakesTheNullDriverWithoutTrials) {
    fake_accepts = accepts_like_real_drivers;
    for (const char* value : {"NULL", "null", "Null"}) {
        SCOPED_TRACE(value);
        test_setenv("QZGFX", value);
        ASSERT_EQ(gfx_screen(13, 0, 1, 0, 0), 0);
        EXPECT_EQ(gfx_context->driver, &GFX_DRIVER_NULL);
    }
    EXPECT_TRUE(fake_log.calls.empty());
}

TEST_F(DriverChoice, ScreenNullFlagWinsOverAPreference) {
    fake_accepts = accepts_like_real_drivers;
    test_setenv("QZGFX", "GDI");
    ASSERT_EQ(gfx_screen(13, 0, 1, SCREEN_NULL, 0), 0);
    EXPECT_EQ(gfx_context->driver, &GFX_DRIVER_NULL);
    EXPECT_TRUE(fake_log.calls.empty());
}

TEST_F(DriverChoice, NullDriverHasOnlyItsLockAndPaletteSlots) {
    const GfxDriver& d = GFX_DRIVER_NULL;
    EXPECT_STREQ(d.name, "Null");
    EXPECT_NE(d.lock, nullptr);
    EXPECT_NE(d.unlock, nullptr);
    EXPECT_NE(d.set_palette, nullptr);
    EXPECT_EQ(d.init, nullptr);
    EXPECT_EQ(d.exit, nullptr);
    EXPECT_EQ(d.wait_vsync, nullptr);
    EXPECT_EQ(d.get_mouse, nullptr);
    EXPECT_EQ(d.set_mouse, nullptr);
    EXPECT_EQ(d.set_window_title, nullptr);
    EXPECT_EQ(d.fetch_modes, nullptr);
    EXPECT_EQ(d.flip, nullptr);
    EXPECT_EQ(d.reserved, nullptr);
}

TEST_F(DriverChoice, ReplacingAScreenClosesTheOldDriverFirst) {
    fake_accepts = accepts_like_real_drivers;
    ASSERT_EQ(gfx_screen(13, 0, 1, 0, 0), 0);
    fake_log.calls.clear();
    ASSERT_EQ(gfx_screen(13, 0, 1, 0, 0), 0);
    EXPECT_EQ(fake_log.calls, (Calls{"exit DirectX", "init DirectX 0 0x0"}));
    fake_log.calls.clear();
    ASSERT_EQ(gfx_screen(0, 0, 0, 0, 0), 0);
    EXPECT_EQ(fake_log.calls, Calls{"exit DirectX"});
}

TEST_F(DriverChoice, NoDriverOpeningClosesTheOldScreenAndGivesTheConsoleBack) {
    fake_accepts = accepts_like_real_drivers;
    ASSERT_EQ(gfx_screen(13, 0, 1, 0, 0), 0);
    fake_accepts = [](const std::string&, int, int) { return false; };
    EXPECT_EQ(gfx_screen(13, 0, 1, 0, 0), RT_ERR_ILLEGAL_CALL);
    EXPECT_EQ(fake_log.calls[fake_log.calls.size() - 25], "exit DirectX");
    EXPECT_EQ(gfx_context, nullptr);
    EXPECT_EQ(rt_hooks.inkey, nullptr);
    int columns = 0;
    int rows = 0;
    rt_console_size(&columns, &rows);
    EXPECT_EQ(columns, 80);
    EXPECT_EQ(rows, 50);
}

} // namespace
