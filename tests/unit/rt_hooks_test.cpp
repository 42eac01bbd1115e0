// The console statements call their hook slot, when it is set, instead of the console.
#include <gtest/gtest.h>

#include <string>

#include "rt/rt.h"

namespace {

// What the fake slots were called with.
struct Calls {
    int count = 0;
    std::string text;
    int length = 0;
    int flags = 0;
    int a = 0;
    int b = 0;
    int c = 0;
};
Calls calls;

void fake_print(const char* text, int length, int flags) {
    ++calls.count;
    calls.text = text ? std::string(text, static_cast<size_t>(length > 0 ? length : 0)) : "<null>";
    calls.length = length;
    calls.flags = flags;
}
void fake_sleep(int ms) {
    ++calls.count;
    calls.a = ms;
}
int fake_multikey(int scancode) {
    ++calls.count;
    calls.a = scancode;
    return scancode == 19 ? -1 : 0;
}
char line_from_hook[] = "typed";
char* fake_line_input(char* buffer, int size) {
    ++calls.count;
    calls.a = size;
    return buffer ? buffer : line_from_hook;
}
int fake_locate(int row, int column, int cursor) {
    ++calls.count;
    calls.a = row;
    calls.b = column;
    calls.c = cursor;
    return 0;
}
int fake_width(int columns, int rows) {
    ++calls.count;
    calls.a = columns;
    calls.b = rows;
    return 0;
}
void fake_get_position(int* column, int* row) {
    ++calls.count;
    *column = 33;
    *row = 44;
}
void fake_get_size(int* columns, int* rows) {
    ++calls.count;
    *columns = 100;
    *rows = 37;
}
void fake_view_update() { ++calls.count; }

// Starts every case with an empty hook table and puts the old one back afterwards.
class RtHooks : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = rt_hooks;
        rt_hooks = RuntimeHooks{};
        calls = Calls{};
    }
    void TearDown() override { rt_hooks = saved_; }

private:
    RuntimeHooks saved_{};
};

TEST_F(RtHooks, PrintGoesToSlot11InsteadOfStandardOutput) {
    rt_hooks.print = fake_print;
    testing::internal::CaptureStdout();
    rt_print("on screen", 9, RT_PRINT_NEWLINE);
    rt_print(nullptr, 0, RT_PRINT_EVEN_IF_EMPTY);
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out, "");
    EXPECT_EQ(calls.count, 2);
    EXPECT_EQ(calls.text, "<null>");
    EXPECT_EQ(calls.flags, RT_PRINT_EVEN_IF_EMPTY);
}

TEST_F(RtHooks, PrintPassesTextLengthAndFlags) {
    rt_hooks.print = fake_print;
    rt_print("abcdef", 3, RT_PRINT_NEWLINE);
    EXPECT_EQ(calls.text, "abc");
    EXPECT_EQ(calls.length, 3);
    EXPECT_EQ(calls.flags, RT_PRINT_NEWLINE);
}

TEST_F(RtHooks, PrintWithoutASlotWritesToStandardOutput) {
    testing::internal::CaptureStdout();
    rt_print("abcdef", 3, 0);
    rt_print("!", 1, RT_PRINT_NEWLINE);
    rt_print(nullptr, 5, 0);
    rt_print("x", -2, 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "abc!\n");
}

TEST_F(RtHooks, SleepGoesToSlot23) {
    rt_hooks.sleep = fake_sleep;
    rt_sleep(-1);
    EXPECT_EQ(calls.count, 1);
    EXPECT_EQ(calls.a, -1);
    rt_sleep(250);
    EXPECT_EQ(calls.count, 2);
    EXPECT_EQ(calls.a, 250);
}

TEST_F(RtHooks, MultikeyAsksSlot14) {
    rt_hooks.multikey = fake_multikey;
    EXPECT_EQ(rt_multikey(19), -1);
    EXPECT_EQ(rt_multikey(1), 0);
    EXPECT_EQ(calls.count, 2);
    EXPECT_EQ(calls.a, 1);
}

TEST_F(RtHooks, MultikeyWithoutAScreenSeesNoKeyHeld) {
    for (int scancode = 0; scancode < 128; ++scancode) {
        EXPECT_EQ(rt_multikey(scancode), 0) << scancode;
    }
}

TEST_F(RtHooks, LineInputGoesToSlot13) {
    rt_hooks.line_input = fake_line_input;
    char buffer[16];
    EXPECT_EQ(rt_line_input(buffer, 16), buffer);
    EXPECT_EQ(calls.a, 16);
    EXPECT_EQ(rt_line_input(nullptr, 0), line_from_hook);
    EXPECT_EQ(calls.count, 2);
}

TEST_F(RtHooks, GeometryStatementsGoToTheirSlots) {
    int row = 0;
    int column = 0;
    rt_locate(2, 2);
    rt_hooks.locate = fake_locate;
    rt_hooks.width = fake_width;
    rt_hooks.get_position = fake_get_position;
    rt_hooks.get_size = fake_get_size;
    rt_hooks.view_update = fake_view_update;

    rt_locate(7, 9);
    EXPECT_EQ(calls.a, 7);
    EXPECT_EQ(calls.b, 9);
    rt_set_console_size(40, 30);
    EXPECT_EQ(calls.a, 40);
    EXPECT_EQ(calls.b, 30);
    rt_cursor(&row, &column);
    EXPECT_EQ(row, 44);
    EXPECT_EQ(column, 33);
    int columns = 0;
    int rows = 0;
    rt_console_size(&columns, &rows);
    EXPECT_EQ(columns, 100);
    EXPECT_EQ(rows, 37);
    rt_set_view_rows(0, 0);
    EXPECT_EQ(calls.count, 5);

    rt_hooks = RuntimeHooks{};
    rt_cursor(&row, &column);
    EXPECT_EQ(row, 2);
    EXPECT_EQ(column, 2);
}

TEST(RtErrors, SetErrorRecordsAndReturnsTheNumber) {
    EXPECT_EQ(rt_set_error(RT_ERR_NO_LINE), RT_ERR_NO_LINE);
    EXPECT_EQ(rt_last_error(), RT_ERR_NO_LINE);
    EXPECT_EQ(rt_set_error(RT_ERR_ILLEGAL_CALL), RT_ERR_ILLEGAL_CALL);
    EXPECT_EQ(rt_last_error(), RT_ERR_ILLEGAL_CALL);
    EXPECT_EQ(rt_set_error(RT_ERR_NONE), RT_ERR_NONE);
    EXPECT_EQ(rt_last_error(), RT_ERR_NONE);
}

} // namespace
