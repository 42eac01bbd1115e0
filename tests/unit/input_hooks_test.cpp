// The key, multikey and mouse statements as a graphics screen answers them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gfx/input/input.h"
#include "gfx/input/keyboard_seam.h"
#include "input_test_screen.h"
#include "rt/rt.h"

namespace {

// Empties the process-wide ring and clears its event.
void drain_keys() {
    while (gfx_read_key() != 0) {
    }
    gfx_take_key_event();
}

// The text of a temporary string from inkey, released after reading.
std::string take_text(RtString* s) {
    EXPECT_NE(s, nullptr);
    if (!s) {
        return "<null>";
    }
    EXPECT_TRUE(rt_string_is_temp(s));
    std::string text(s->data ? s->data : "", rt_string_length(s));
    rt_string_release_temp(s);
    return text;
}

// Sleeps seen by the runtime's sleep hook; posts a key at a chosen call.
std::vector<int> hook_sleeps;
int post_at_sleep = 0;
int posted_code = 0;

void counting_sleep_hook(int ms) {
    hook_sleeps.push_back(ms);
    if (static_cast<int>(hook_sleeps.size()) == post_at_sleep) {
        gfx_post_key(posted_code);
    }
}

class InputHooks : public ::testing::Test {
protected:
    void SetUp() override {
        drain_keys();
        saved_hooks_ = rt_hooks;
        hook_sleeps.clear();
        post_at_sleep = 0;
        rt_set_error(RT_ERR_NONE);
    }
    void TearDown() override {
        rt_hooks = saved_hooks_;
#if !defined(_WIN32)
        uint8_t none[KEYBOARD_STATE_SIZE] = {};
        keyboard_stub_set_state(none);
#endif
        drain_keys();
    }
    RuntimeHooks saved_hooks_{};
};

} // namespace

TEST_F(InputHooks, InkeyWithoutAScreenIsEmptyAndLeavesTheKey) {
    gfx_post_key('a');
    EXPECT_EQ(take_text(gfx_inkey()), "");
    EXPECT_EQ(gfx_keyhit(), 1);
}

TEST_F(InputHooks, InkeyGivesOneCharacterOrAnExtendedPair) {
    TestScreen screen(8, 4, 1, 1);
    EXPECT_EQ(take_text(gfx_inkey()), "");
    gfx_post_key('a');
    gfx_post_key(0xE9);
    gfx_post_key(0x48FF);
    gfx_post_key(CLOSE_KEY_CODE);
    EXPECT_EQ(take_text(gfx_inkey()), "a");
    EXPECT_EQ(take_text(gfx_inkey()), "\xE9");
    EXPECT_EQ(take_text(gfx_inkey()), "\xFFH");
    EXPECT_EQ(take_text(gfx_inkey()), "\xFFk");
    EXPECT_EQ(take_text(gfx_inkey()), "");
}

TEST_F(InputHooks, GetkeyWithoutAScreenAnswersZeroAtOnce) {
    rt_hooks.sleep = counting_sleep_hook;
    EXPECT_EQ(gfx_getkey(), 0);
    EXPECT_TRUE(hook_sleeps.empty());
}

TEST_F(InputHooks, GetkeySleepsAfterEveryAttemptThroughTheRuntime) {
    TestScreen screen(8, 4, 1, 1);
    rt_hooks.sleep = counting_sleep_hook;
    gfx_post_key(0x3BFF);
    EXPECT_EQ(gfx_getkey(), 0x3BFF);
    EXPECT_EQ(hook_sleeps, std::vector<int>({20}));

    hook_sleeps.clear();
    post_at_sleep = 3;
    posted_code = 'x';
    EXPECT_EQ(gfx_getkey(), 'x');
    EXPECT_EQ(hook_sleeps, std::vector<int>({20, 20, 20, 20}));
}

TEST_F(InputHooks, MultikeyReadsTheScancodesFlag) {
    EXPECT_EQ(gfx_multikey(1), 0); // no screen
    TestScreen screen(8, 4, 1, 1);
    screen.ctx().key_state[1] = 1;
    screen.ctx().key_state[127] = 1;
    EXPECT_EQ(gfx_multikey(1), -1);
    EXPECT_EQ(gfx_multikey(19), 0);
    EXPECT_EQ(gfx_multikey(127), -1);
    EXPECT_EQ(gfx_multikey(128), 0);
    EXPECT_EQ(gfx_multikey(-1), 0);
    EXPECT_EQ(test_driver_log.locks, 3); // scancodes outside 0 .. 127 take no lock
    EXPECT_EQ(test_driver_log.unlocks, 3);
}

// The stand-in keyboard exists natively; under Windows the same sampling is checked against the
// system's keyboard state in the Win32 tests.
#if !defined(_WIN32)
TEST_F(InputHooks, SamplingSetsEveryScancodeOfAPressedKey) {
    TestScreen screen(8, 4, 1, 1);
    uint8_t keys[KEYBOARD_STATE_SIZE] = {};
    keys[16] = 0x80;  // Shift
    keys[109] = 0x81; // keypad minus, toggled too
    keys[104] = 0x80; // keypad 8
    keys['R'] = 0x01; // toggled only: not down
    keyboard_stub_set_state(keys);
    screen.ctx().key_state[19] = 1;
    screen.ctx().key_state[74] = 1; // a scancode without a row stays as it is
    sample_key_state();
    EXPECT_EQ(gfx_multikey(42), -1);
    EXPECT_EQ(gfx_multikey(54), -1);
    EXPECT_EQ(gfx_multikey(12), -1);
    EXPECT_EQ(gfx_multikey(72), -1);
    EXPECT_EQ(gfx_multikey(19), 0);
    EXPECT_EQ(gfx_multikey(74), -1);
    EXPECT_EQ(gfx_multikey(1), 0);

    keys[16] = 0;
    keyboard_stub_set_state(keys);
    sample_key_state();
    EXPECT_EQ(gfx_multikey(42), 0);
    EXPECT_EQ(gfx_multikey(54), 0);
    EXPECT_EQ(gfx_multikey(72), -1);
}

TEST_F(InputHooks, SamplingWithoutAScreenDoesNothing) {
    uint8_t keys[KEYBOARD_STATE_SIZE] = {};
    keys[27] = 0x80;
    keyboard_stub_set_state(keys);
    sample_key_state();
    EXPECT_EQ(gfx_multikey(1), 0);
}

#endif

TEST_F(InputHooks, GetmouseFailsWithoutAScreenOrSlot) {
    int x = 5, y = 5, wheel = 5, buttons = 5;
    EXPECT_EQ(gfx_getmouse(&x, &y, &wheel, &buttons), RT_ERR_ILLEGAL_CALL);
    EXPECT_EQ(rt_last_error(), RT_ERR_ILLEGAL_CALL);
    EXPECT_EQ(x, -1);
    EXPECT_EQ(buttons, -1);

    TestScreen screen(8, 4, 1, 1, &TEST_BARE_DRIVER);
    x = y = wheel = buttons = 5;
    EXPECT_EQ(gfx_getmouse(&x, &y, &wheel, &buttons), RT_ERR_ILLEGAL_CALL);
    EXPECT_EQ(y, -1);
    EXPECT_EQ(wheel, -1);
    EXPECT_EQ(test_driver_log.locks, 0);
}

TEST_F(InputHooks, GetmouseAsksTheDriverUnderTheLock) {
    TestScreen screen(8, 4, 1, 1);
    test_driver_log.mouse_values[0] = 12;
    test_driver_log.mouse_values[1] = 34;
    test_driver_log.mouse_values[2] = 2;
    test_driver_log.mouse_values[3] = 1;
    int x = 0, y = 0, wheel = 0, buttons = 0;
    EXPECT_EQ(gfx_getmouse(&x, &y, &wheel, &buttons), 0);
    EXPECT_EQ(x, 12);
    EXPECT_EQ(y, 34);
    EXPECT_EQ(wheel, 2);
    EXPECT_EQ(buttons, 1);
    ASSERT_EQ(test_driver_log.flags_in_slot.size(), 1u);
    EXPECT_EQ(test_driver_log.flags_in_slot[0] & CTX_LOCKED, CTX_LOCKED);
    EXPECT_EQ(test_driver_log.unlocks, 1);

    EXPECT_EQ(gfx_getmouse(&x, &y, nullptr, nullptr), 0);
    EXPECT_EQ(gfx_getmouse(nullptr, nullptr, nullptr, nullptr), 0);
}

TEST_F(InputHooks, GetmouseReportsADriverWithNothingToGive) {
    TestScreen screen(8, 4, 1, 1);
    test_driver_log.mouse_values[0] = 12;
    test_driver_log.mouse_result = -1;
    int x = 0, y = 0;
    EXPECT_EQ(gfx_getmouse(&x, &y, nullptr, nullptr), RT_ERR_ILLEGAL_CALL);
    EXPECT_EQ(x, -1);
    EXPECT_EQ(y, -1);
    EXPECT_EQ(test_driver_log.unlocks, 1);
}

TEST_F(InputHooks, SetmousePassesItsArgumentsToTheDriver) {
    EXPECT_EQ(gfx_setmouse(1, 2, 1), RT_ERR_ILLEGAL_CALL);
    {
        TestScreen bare(8, 4, 1, 1, &TEST_BARE_DRIVER);
        EXPECT_EQ(gfx_setmouse(1, 2, 1), RT_ERR_ILLEGAL_CALL);
    }
    TestScreen screen(8, 4, 1, 1);
    rt_set_error(RT_ERR_NONE);
    EXPECT_EQ(gfx_setmouse(-1, 50, 0), 0);
    EXPECT_EQ(rt_last_error(), RT_ERR_NONE);
    EXPECT_EQ(test_driver_log.set_mouse_calls, 1);
    EXPECT_EQ(test_driver_log.set_mouse_args[0], -1);
    EXPECT_EQ(test_driver_log.set_mouse_args[1], 50);
    EXPECT_EQ(test_driver_log.set_mouse_args[2], 0);
    EXPECT_EQ(test_driver_log.flags_in_slot[0] & CTX_AUTO_LOCKED, CTX_AUTO_LOCKED);
}
