// Set-mode when memory runs out or sizes are absurd, and open/close cycles that must not leak.
#include <gtest/gtest.h>

#include "gfx/blit/colour_lookup.h"
#include "rt/rt.h"
#include "screen_test_support.h"

namespace {

using ScreenAlloc = ScreenTest;

// Whether set-mode left nothing behind: no context, no lookup table, no hooks, an 80 x 50 console.
void expect_torn_down() {
    EXPECT_EQ(gfx_context, nullptr);
    EXPECT_EQ(gfx_colour_lookup, nullptr);
    EXPECT_EQ(rt_hooks.inkey, nullptr);
    EXPECT_EQ(rt_hooks.sleep, nullptr);
    int columns = 0;
    int rows = 0;
    rt_console_size(&columns, &rows);
    EXPECT_EQ(columns, 80);
    EXPECT_EQ(rows, 50);
}

TEST_F(ScreenAlloc, HugeScreenFailsWithError1InsteadOfCrashing) {
    ASSERT_EQ(gfx_screen(13, 0, 1, SCREEN_NULL, 0), 0);
    rt_set_error(0);
    EXPECT_EQ(gfx_screen_res(100000, 100000, 32, 1, SCREEN_NULL, 0), RT_ERR_ILLEGAL_CALL);
    EXPECT_EQ(rt_last_error(), RT_ERR_ILLEGAL_CALL);
    expect_torn_down();
}

TEST_F(ScreenAlloc, WidthWhosePitchOverflowsAnIntFails) {
    EXPECT_EQ(gfx_screen_res(0x7FFFFFFF, 1, 32, 1, SCREEN_NULL, 0), RT_ERR_ILLEGAL_CALL);
    expect_torn_down();
    EXPECT_EQ(gfx_screen_res(0x40000000, 4, 16, 1, SCREEN_NULL, 0), RT_ERR_ILLEGAL_CALL);
    expect_torn_down();
}

TEST_F(ScreenAlloc, HugePageCountFailsWithoutOverflow) {
    EXPECT_EQ(gfx_screen(21, 0, 0x7FFFFFFF, SCREEN_NULL, 0), RT_ERR_ILLEGAL_CALL);
    expect_torn_down();
}

TEST_F(ScreenAlloc, EveryFailingAllocationTearsDownAndReportsError1) {
    fake_accepts = accepts_like_real_drivers;
    gfx_driver_list_override = FAKE_DRIVER_LIST;
    int failures = 0;
    for (int n = 1; n < 100; ++n) {
        SCOPED_TRACE(n);
        fake_log.calls.clear();
        gfx_zalloc_fail_at = n;
        const int result = gfx_screen(9, 0, 2, 0, 0);
        const bool injected = gfx_zalloc_fail_at == 0;
        gfx_zalloc_fail_at = 0;
        if (!injected) {
            EXPECT_EQ(result, 0);
            break;
        }
        ++failures;
        EXPECT_EQ(result, RT_ERR_ILLEGAL_CALL);
        expect_torn_down();
        int inits = 0;
        int exits = 0;
        for (const std::string& call : fake_log.calls) {
            inits += call.rfind("init", 0) == 0;
            exits += call.rfind("exit", 0) == 0;
        }
        EXPECT_EQ(inits, exits) << "an opened driver was left open";
    }
    EXPECT_GT(failures, 10);
    EXPECT_NE(gfx_context, nullptr);
}

TEST_F(ScreenAlloc, AThousandOpenCloseCyclesOfEveryModeLeakNothing) {
    const int modes[] = {1, 2, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21};
    const int sizes[][3] = {{1, 1, 8}, {33, 7, 15}, {640, 480, 32}, {17, 300, 24}, {8, 8, 16}};
    int cycles = 0;
    while (cycles < 1000) {
        for (int mode : modes) {
            ASSERT_EQ(gfx_screen(mode, 32, 1 + cycles % 3, SCREEN_NULL, 0), 0) << mode;
            if (++cycles % 2 == 0) {
                ASSERT_EQ(gfx_screen(0, 0, 0, 0, 0), 0);
            }
        }
        for (const auto& size : sizes) {
            ASSERT_EQ(gfx_screen_res(size[0], size[1], size[2], cycles % 2, SCREEN_NULL, 0), 0);
            ASSERT_EQ(gfx_screen(0, 0, 0, 0, 0), 0);
            ++cycles;
        }
    }
    EXPECT_EQ(gfx_context, nullptr);
}

} // namespace
