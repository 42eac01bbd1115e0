// Printing on windowless screens: the held-back line feed, scrolling, wrapping, control
// characters, the text view, dirty rows and wide text.
#include <vector>

#include "text_test_support.h"

namespace {

using TextPrint = TextTest;

// A copy of page 0's bytes.
std::vector<uint8_t> page_copy() {
    const GfxContext* ctx = gfx_context;
    return std::vector<uint8_t>(ctx->pages[0],
                                ctx->pages[0] + static_cast<size_t>(ctx->height) * ctx->pitch);
}

// Pixel row y of a page copy.
std::vector<uint8_t> copy_row(const std::vector<uint8_t>& page, int y) {
    const size_t pitch = static_cast<size_t>(gfx_context->pitch);
    return std::vector<uint8_t>(page.begin() + static_cast<long>(y * pitch),
                                page.begin() + static_cast<long>((y + 1) * pitch));
}

// Gives each of the screen's text rows its own letter from the top.
void fill_rows_with_letters() {
    const GfxContext* ctx = gfx_context;
    for (int r = 0; r < ctx->text_h; ++r) {
        rt_locate(r + 1, 1);
        say(std::string(static_cast<size_t>(ctx->text_w - 1), static_cast<char>('A' + r)));
    }
}

TEST_F(TextPrint, TheBottomRightCellHoldsItsLineFeedUntilTheNextPrint) {
    ASSERT_TRUE(open_null_mode(13)); // 40 x 25, 8x8 font
    say("top");
    rt_locate(25, 35);
    say("ABCDEF");
    EXPECT_EQ(rt_cursor_row(), 25);
    EXPECT_EQ(rt_cursor_column(), 40);
    EXPECT_EQ(trimmed_row(0), "top");
    EXPECT_EQ(cell_row(24).substr(34), "ABCDEF");

    say("Z");
    EXPECT_EQ(trimmed_row(0), "") << "the screen scrolled by one row first";
    EXPECT_EQ(cell_row(23).substr(34), "ABCDEF");
    EXPECT_EQ(trimmed_row(24), "Z");
    EXPECT_TRUE(cell_shows(34, 23, 'A', 15, 0));
    EXPECT_TRUE(cell_shows(0, 24, 'Z', 15, 0));
    EXPECT_EQ(rt_cursor_column(), 2);
    EXPECT_EQ(rt_cursor_row(), 25);
}

TEST_F(TextPrint, PlacingTheCursorDropsTheHeldLineFeed) {
    ASSERT_TRUE(open_null_mode(13));
    rt_locate(25, 40);
    say("x");
    rt_locate(3, 3);
    say("y");
    EXPECT_EQ(cell_row(24)[39], 'x') << "no scroll happened";
    EXPECT_EQ(cell_row(2)[2], 'y');
}

TEST_F(TextPrint, ALineFeedOnTheBottomRowScrollsAtOnce) {
    ASSERT_TRUE(open_null_mode(13));
    rt_locate(25, 1);
    say("last\n");
    EXPECT_EQ(rt_cursor_row(), 25);
    EXPECT_EQ(rt_cursor_column(), 1);
    EXPECT_EQ(trimmed_row(23), "last");
    EXPECT_EQ(trimmed_row(24), "");
}

TEST_F(TextPrint, ScrollingMovesPixelRowsAndCellsTogether) {
    for (int depth : {8, 16, 32}) {
        SCOPED_TRACE(depth);
        ASSERT_TRUE(open_null_mode(18, depth)); // 80 x 30, 8x16 font
        fill_rows_with_letters();
        const std::vector<uint8_t> before = page_copy();
        std::vector<std::string> cells_before;
        for (int r = 0; r < 30; ++r) {
            cells_before.push_back(cell_row(r));
        }
        rt_locate(30, 1);
        say("\n");
        const std::vector<uint8_t> after = page_copy();
        for (int y = 0; y < 29 * 16; ++y) {
            ASSERT_EQ(copy_row(after, y), copy_row(before, y + 16)) << "pixel row " << y;
        }
        for (int y = 29 * 16; y < 480; ++y) {
            for (int x = 0; x < 640; ++x) {
                ASSERT_EQ(page_pixel(0, x, y), 0u) << x << ", " << y;
            }
        }
        for (int r = 0; r < 29; ++r) {
            EXPECT_EQ(cell_row(r), cells_before[static_cast<size_t>(r) + 1]);
        }
        EXPECT_EQ(cell_row(29), std::string(80, ' '));
    }
}

TEST_F(TextPrint, RowsWrapAtTheRightEdge) {
    ASSERT_TRUE(open_null_mode(13));
    say(std::string(45, 'w'));
    EXPECT_EQ(cell_row(0), std::string(40, 'w'));
    EXPECT_EQ(trimmed_row(1), "wwwww");
    EXPECT_EQ(rt_cursor_row(), 2);
    EXPECT_EQ(rt_cursor_column(), 6);
}

TEST_F(TextPrint, TabsStopEveryEighthColumnAndDrawSpaces) {
    ASSERT_TRUE(open_null_mode(18, 32));
    rt_color(0x00FF0000, 0x000000FF);
    say("\t");
    EXPECT_EQ(rt_cursor_column(), 9);
    for (int x = 0; x < 8; ++x) {
        EXPECT_TRUE(cell_shows(x, 0, ' ', 0x00FF0000, 0x000000FF));
    }
    rt_locate(2, 8);
    say("\t");
    EXPECT_EQ(rt_cursor_column(), 9);
    rt_locate(3, 1);
    say("abc\tX");
    EXPECT_EQ(trimmed_row(2), "abc     X");
    EXPECT_EQ(gfx_context->text_pages[0][2 * 80 + 5].background, 0x000000FFu);
}

TEST_F(TextPrint, BackspaceStepsLeftButNeverToThePreviousRow) {
    ASSERT_TRUE(open_null_mode(13));
    rt_locate(2, 1);
    say("\b");
    EXPECT_EQ(rt_cursor_column(), 1);
    EXPECT_EQ(rt_cursor_row(), 2);
    say("ab\b");
    EXPECT_EQ(rt_cursor_column(), 2);
    say("X");
    EXPECT_EQ(trimmed_row(1), "aX");
}

TEST_F(TextPrint, BellDrawsNothingAndCarriageReturnGoesToColumnOne) {
    ASSERT_TRUE(open_null_mode(13));
    rt_locate(4, 10);
    say("a\ab\rc");
    EXPECT_EQ(cell_row(3).substr(0, 1), "c");
    EXPECT_EQ(cell_row(3).substr(9, 3), "ab ");
    EXPECT_EQ(rt_cursor_column(), 2);
}

// Printing looks for control characters several bytes at a time: one at any place in a long run
// still acts, and the other bytes below 14 are drawn as characters.
TEST_F(TextPrint, AControlCharacterActsWhereverItStandsInALongRun) {
    ASSERT_TRUE(open_null_mode(13));
    for (int at = 0; at < 20; ++at) {
        gfx_text_cls(0);
        rt_locate(1, 1);
        std::string text(20, 'x');
        text[2] = '\x0B';
        text[3] = '\x0C';
        text[static_cast<size_t>(at)] = '\n';
        say(text);
        EXPECT_EQ(rt_cursor_row(), 2) << at;
        EXPECT_EQ(rt_cursor_column(), 20 - at) << at;
        if (at > 3) {
            EXPECT_EQ(rt_screen_cell(3, 1, 0), 11) << at;
            EXPECT_EQ(rt_screen_cell(4, 1, 0), 12) << at;
        }
    }
}

TEST_F(TextPrint, EveryByteValueIsStoredAsItsCode) {
    ASSERT_TRUE(open_null_mode(13));
    say(std::string(1, static_cast<char>(200)));
    EXPECT_EQ(rt_screen_cell(1, 1, 0), 200);
    EXPECT_TRUE(cell_shows(0, 0, 200, 15, 0));
}

TEST_F(TextPrint, TheNewlineFlagEndsTheLine) {
    ASSERT_TRUE(open_null_mode(13));
    say("one", RT_PRINT_NEWLINE);
    say("two");
    EXPECT_EQ(trimmed_row(0), "one");
    EXPECT_EQ(trimmed_row(1), "two");
}

TEST_F(TextPrint, AnEmptyPrintWithTheNewlineFlagStillEndsTheLine) {
    ASSERT_TRUE(open_null_mode(13));
    say("one", RT_PRINT_NEWLINE);
    rt_print("", 0, RT_PRINT_NEWLINE);
    rt_print(nullptr, 0, RT_PRINT_NEWLINE);
    say("two");
    EXPECT_EQ(trimmed_row(0), "one");
    EXPECT_EQ(trimmed_row(1), "") << "a blank line";
    EXPECT_EQ(trimmed_row(2), "");
    EXPECT_EQ(trimmed_row(3), "two");
    EXPECT_EQ(rt_cursor_row(), 4);
}

TEST_F(TextPrint, ANarrowedTextViewScrollsOnlyItsRows) {
    ASSERT_TRUE(open_null_mode(13));
    fill_rows_with_letters();
    const std::vector<uint8_t> before = page_copy();
    rt_set_view_rows(5, 10);
    rt_locate(10, 1);
    say("\n\n");
    const std::vector<uint8_t> after = page_copy();
    for (int y = 0; y < 4 * 8; ++y) {
        ASSERT_EQ(copy_row(after, y), copy_row(before, y)) << "above the view, row " << y;
    }
    for (int y = 10 * 8; y < 200; ++y) {
        ASSERT_EQ(copy_row(after, y), copy_row(before, y)) << "below the view, row " << y;
    }
    EXPECT_EQ(cell_row(4)[0], 'G');
    EXPECT_EQ(cell_row(7)[0], 'J');
    EXPECT_EQ(trimmed_row(8), "");
    EXPECT_EQ(trimmed_row(9), "");
    EXPECT_EQ(cell_row(10)[0], 'K');
    EXPECT_EQ(rt_cursor_row(), 10);

    rt_cls(RT_CLS_OMITTED); // the text view is narrowed: only its rows clear
    EXPECT_EQ(cell_row(3)[0], 'D');
    EXPECT_EQ(trimmed_row(4), "");
    EXPECT_EQ(cell_row(10)[0], 'K');
    EXPECT_EQ(rt_cursor_row(), 5);
    EXPECT_EQ(rt_cursor_column(), 1);
}

TEST_F(TextPrint, OnlyRowsOfTheVisiblePageAreMarkedDirty) {
    ASSERT_TRUE(gfx_screen(13, 0, 2, SCREEN_NULL, 0) == 0);
    GfxContext* ctx = gfx_context;
    std::fill(ctx->dirty_rows, ctx->dirty_rows + ctx->height, 0);
    rt_locate(3, 1);
    say("hi");
    for (int y = 0; y < ctx->height; ++y) {
        EXPECT_EQ(ctx->dirty_rows[y], (y >= 16 && y < 24) ? 1 : 0) << y;
    }
    std::fill(ctx->dirty_rows, ctx->dirty_rows + ctx->height, 0);
    gfx_screen_set(1, 0);
    say("there");
    for (int y = 0; y < ctx->height; ++y) {
        EXPECT_EQ(ctx->dirty_rows[y], 0) << y;
    }
    EXPECT_EQ(ctx->text_pages[1][2 * 40 + 2].code, static_cast<uint32_t>('t'));
    EXPECT_EQ(ctx->text_pages[0][2 * 40 + 2].code, 32u);
}

TEST_F(TextPrint, WideTextNarrowsAndASurrogatePairIsOneCharacter) {
    ASSERT_TRUE(open_null_mode(13));
    const uint16_t text[] = {'a', 0xE9, 0xD83D, 0xDE00, 0x3A9, 'z'};
    rt_print_wide(text, 6, 0);
    EXPECT_EQ(cell_row(0).substr(0, 6), std::string("a\xE9??z "));
    EXPECT_EQ(rt_cursor_column(), 6);
}

// A long wide text: "a" and a surrogate pair, over and over, so that pieces of any length that
// is not a multiple of three split some pair between them.
std::vector<uint16_t> long_wide_text(int repeats) {
    std::vector<uint16_t> text;
    for (int i = 0; i < repeats; ++i) {
        text.insert(text.end(), {'a', 0xD83D, 0xDE00});
    }
    return text;
}

TEST_F(TextPrint, LongWideTextKeepsEveryCharacterAndEveryPairWhole) {
    ASSERT_TRUE(open_null_mode(18)); // 80 x 30 cells hold the 2000 characters
    const std::vector<uint16_t> text = long_wide_text(1000);
    rt_print_wide(text.data(), static_cast<int>(text.size()), 0);
    std::string shown;
    for (int row = 0; row < 25; ++row) {
        shown += cell_row(row);
    }
    std::string want;
    for (int i = 0; i < 1000; ++i) {
        want += "a?";
    }
    EXPECT_EQ(shown, want);
    EXPECT_EQ(rt_cursor_row(), 26);
    EXPECT_EQ(rt_cursor_column(), 1);
}

TEST_F(TextPrint, LongWideTextOnTheConsoleKeepsEveryPairWholeAndEndsTheLineOnce) {
    const std::vector<uint16_t> text = long_wide_text(1000);
    testing::internal::CaptureStdout();
    rt_print_wide(text.data(), static_cast<int>(text.size()), RT_PRINT_NEWLINE);
    std::string want;
    for (int i = 0; i < 1000; ++i) {
        want += "a?";
    }
    EXPECT_EQ(testing::internal::GetCapturedStdout(), want + "\n");
}

TEST_F(TextPrint, WithoutAScreenTextGoesToStandardOutput) {
    testing::internal::CaptureStdout();
    const uint16_t text[] = {'o', 'k', 0x263A};
    rt_print_wide(text, 3, RT_PRINT_NEWLINE);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "ok?\n");
}

} // namespace
