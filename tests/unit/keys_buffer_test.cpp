// The key ring: order, overflow, the key event and the lock around reads.
#include <gtest/gtest.h>

#include "gfx/input/input.h"
#include "input_test_screen.h"

namespace {

// Empties the process-wide ring and clears its event.
void drain_keys() {
    while (gfx_read_key() != 0) {
    }
    gfx_take_key_event();
}

class KeyBuffer : public ::testing::Test {
protected:
    void SetUp() override { drain_keys(); }
    void TearDown() override { drain_keys(); }
};

} // namespace

TEST_F(KeyBuffer, ReadsCodesInTheOrderTheyWerePosted) {
    EXPECT_EQ(gfx_read_key(), 0);
    gfx_post_key('a');
    gfx_post_key(0x48FF);
    gfx_post_key(CLOSE_KEY_CODE);
    EXPECT_EQ(gfx_read_key(), 'a');
    EXPECT_EQ(gfx_read_key(), 0x48FF);
    EXPECT_EQ(gfx_read_key(), CLOSE_KEY_CODE);
    EXPECT_EQ(gfx_read_key(), 0);
}

TEST_F(KeyBuffer, KeepsTheLastFifteenWhenOverfilled) {
    for (int code = 1; code <= KEY_BUFFER_SIZE; ++code) {
        gfx_post_key(code);
    }
    for (int code = 2; code <= KEY_BUFFER_SIZE; ++code) {
        EXPECT_EQ(gfx_read_key(), code);
    }
    EXPECT_EQ(gfx_read_key(), 0);

    for (int code = 100; code < 140; ++code) {
        gfx_post_key(code);
    }
    for (int code = 125; code < 140; ++code) {
        EXPECT_EQ(gfx_read_key(), code);
    }
    EXPECT_EQ(gfx_read_key(), 0);
}

TEST_F(KeyBuffer, WrapsAroundTheRingWithoutLosingCodes) {
    int next_read = 1000;
    int next_post = 1000;
    for (int round = 0; round < 50; ++round) {
        for (int i = 0; i < round % 7 + 1; ++i) {
            gfx_post_key(next_post++);
        }
        while (next_read < next_post - 3) {
            ASSERT_EQ(gfx_read_key(), next_read++);
        }
    }
    while (next_read < next_post) {
        ASSERT_EQ(gfx_read_key(), next_read++);
    }
    EXPECT_EQ(gfx_read_key(), 0);
}

TEST_F(KeyBuffer, KeyhitLooksWithoutTaking) {
    EXPECT_EQ(gfx_keyhit(), 0);
    gfx_post_key('z');
    EXPECT_EQ(gfx_keyhit(), 1);
    EXPECT_EQ(gfx_keyhit(), 1);
    EXPECT_EQ(gfx_take_key_event(), 1); // keyhit left the event alone
    EXPECT_EQ(gfx_read_key(), 'z');
    EXPECT_EQ(gfx_keyhit(), 0);
}

TEST_F(KeyBuffer, EachPostRaisesTheEventOnceAndReadsClearIt) {
    EXPECT_EQ(gfx_take_key_event(), 0);
    gfx_post_key('a');
    gfx_post_key('b');
    EXPECT_EQ(gfx_take_key_event(), 1);
    EXPECT_EQ(gfx_take_key_event(), 0);
    gfx_post_key('c');
    EXPECT_EQ(gfx_read_key(), 'a');
    EXPECT_EQ(gfx_take_key_event(), 0);
}

TEST_F(KeyBuffer, ReadsTakeTheDriverLockOnceAndGiveItBack) {
    TestScreen screen(8, 4, 1, 1);
    gfx_post_key('q');
    EXPECT_EQ(gfx_read_key(), 'q');
    EXPECT_EQ(gfx_keyhit(), 0);
    EXPECT_EQ(test_driver_log.locks, 2);
    EXPECT_EQ(test_driver_log.unlocks, 2);
    EXPECT_EQ(screen.ctx().flags & (CTX_LOCKED | CTX_AUTO_LOCKED), 0u);
}

TEST_F(KeyBuffer, ReadsUnderAHeldLockLeaveItHeld) {
    TestScreen screen(8, 4, 1, 1);
    screen.ctx().flags |= CTX_LOCKED;
    gfx_post_key('q');
    EXPECT_EQ(gfx_read_key(), 'q');
    EXPECT_EQ(gfx_take_key_event(), 0);
    EXPECT_EQ(test_driver_log.locks, 0);
    EXPECT_EQ(test_driver_log.unlocks, 0);
    EXPECT_EQ(screen.ctx().flags & CTX_LOCKED, CTX_LOCKED);
}
