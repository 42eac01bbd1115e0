// The console's geometry: size, text view, cursor and output column, and how printing moves them.
#include <gtest/gtest.h>

#include <string>

#include "rt/rt.h"

namespace {

// Starts every case on an 80 by 25 console with the whole view and the cursor home, with no
// hooks, and puts the old hooks and size back afterwards. Printed text is captured.
class RtConsole : public ::testing::Test {
protected:
    void SetUp() override {
        saved_hooks_ = rt_hooks;
        rt_hooks = RuntimeHooks{};
        rt_console_size(&saved_columns_, &saved_rows_);
        rt_set_console_size(80, 25);
        rt_set_view_rows(0, 0);
        rt_locate(1, 1);
        rt_set_error(RT_ERR_NONE);
        testing::internal::CaptureStdout();
    }
    void TearDown() override {
        testing::internal::GetCapturedStdout();
        rt_set_view_rows(0, 0);
        rt_set_console_size(saved_columns_, saved_rows_);
        rt_hooks = saved_hooks_;
    }

    static void print(const std::string& text, int flags = 0) {
        rt_print(text.data(), static_cast<int>(text.size()), flags);
    }
    static int row() {
        int r = 0;
        rt_cursor(&r, nullptr);
        return r;
    }
    static int column() {
        int c = 0;
        rt_cursor(nullptr, &c);
        return c;
    }

private:
    RuntimeHooks saved_hooks_{};
    int saved_columns_ = 0;
    int saved_rows_ = 0;
};

TEST_F(RtConsole, SizeIsKeptAndANonPositiveDimensionIsLeftAlone) {
    rt_set_console_size(80, 50);
    int columns = 0;
    int rows = 0;
    rt_console_size(&columns, &rows);
    EXPECT_EQ(columns, 80);
    EXPECT_EQ(rows, 50);
    rt_set_console_size(0, 30);
    rt_set_console_size(132, -1);
    rt_console_size(&columns, &rows);
    EXPECT_EQ(columns, 132);
    EXPECT_EQ(rows, 30);
}

TEST_F(RtConsole, LocatePlacesTheCursorAndTheOutputColumn) {
    rt_locate(10, 20);
    EXPECT_EQ(row(), 10);
    EXPECT_EQ(column(), 20);
    EXPECT_EQ(rt_output_column(), 19);
    rt_locate(0, 5);
    EXPECT_EQ(row(), 10);
    EXPECT_EQ(column(), 5);
    rt_locate(3, -1);
    EXPECT_EQ(row(), 3);
    EXPECT_EQ(column(), 5);
}

TEST_F(RtConsole, LocateBeyondTheConsoleIsClamped) {
    rt_locate(99, 200);
    EXPECT_EQ(row(), 25);
    EXPECT_EQ(column(), 80);
}

TEST_F(RtConsole, ShrinkingTheConsoleKeepsTheCursorInside) {
    rt_locate(20, 70);
    rt_set_console_size(40, 10);
    EXPECT_EQ(row(), 10);
    EXPECT_EQ(column(), 40);
}

TEST_F(RtConsole, OutputColumnIsSetAndNegativeColumnsAreRefused) {
    rt_set_output_column(12);
    EXPECT_EQ(rt_output_column(), 12);
    rt_set_output_column(-1);
    EXPECT_EQ(rt_last_error(), RT_ERR_ILLEGAL_CALL);
    EXPECT_EQ(rt_output_column(), 12);
    rt_set_output_column(0);
    EXPECT_EQ(rt_output_column(), 0);
}

TEST_F(RtConsole, ViewRowsAreKeptAndBadPairsChangeNothing) {
    int top = -1;
    int bottom = -1;
    rt_view_rows(&top, &bottom);
    EXPECT_EQ(top, 0);
    EXPECT_EQ(bottom, 0);
    rt_set_view_rows(5, 10);
    rt_view_rows(&top, &bottom);
    EXPECT_EQ(top, 5);
    EXPECT_EQ(bottom, 10);
    EXPECT_EQ(rt_last_error(), RT_ERR_NONE);
    for (const auto& bad : {std::pair{0, 5}, std::pair{6, 5}, std::pair{-1, 3}, std::pair{3, 0}}) {
        rt_set_error(RT_ERR_NONE);
        rt_set_view_rows(bad.first, bad.second);
        EXPECT_EQ(rt_last_error(), RT_ERR_ILLEGAL_CALL) << bad.first << ".." << bad.second;
        rt_view_rows(&top, &bottom);
        EXPECT_EQ(top, 5);
        EXPECT_EQ(bottom, 10);
    }
}

TEST_F(RtConsole, AViewThatNoLongerFitsBecomesTheWholeConsole) {
    rt_set_view_rows(5, 20);
    rt_set_console_size(80, 25);
    int top = 0;
    int bottom = 0;
    rt_view_rows(&top, &bottom);
    EXPECT_EQ(bottom, 20);
    rt_set_console_size(80, 15);
    rt_view_rows(&top, &bottom);
    EXPECT_EQ(top, 0);
    EXPECT_EQ(bottom, 0);
}

TEST_F(RtConsole, PrintingMovesTheCursorAndTheOutputColumn) {
    print("abc");
    EXPECT_EQ(rt_output_column(), 3);
    EXPECT_EQ(column(), 4);
    EXPECT_EQ(row(), 1);
    print("de", RT_PRINT_NEWLINE);
    EXPECT_EQ(rt_output_column(), 0);
    EXPECT_EQ(row(), 2);
    print("x\ry");
    EXPECT_EQ(rt_output_column(), 1);
    print("\a");
    EXPECT_EQ(rt_output_column(), 1);
    print("\n\n");
    EXPECT_EQ(row(), 4);
    EXPECT_EQ(column(), 1);
}

TEST_F(RtConsole, PrintingWrapsAtTheRightEdge) {
    rt_set_console_size(10, 25);
    print("123456789012");
    EXPECT_EQ(row(), 2);
    EXPECT_EQ(column(), 3);
}

TEST_F(RtConsole, PrintingScrollsAtTheBottomOfTheView) {
    rt_set_view_rows(2, 4);
    rt_locate(3, 1);
    print("a\nb\nc\nd");
    EXPECT_EQ(row(), 4);
    EXPECT_EQ(column(), 2);
    rt_set_view_rows(0, 0);
    rt_locate(25, 1);
    print("", RT_PRINT_NEWLINE);
    EXPECT_EQ(row(), 25);
}

} // namespace
