// Text size and fonts, colours by mode, cursor placement and the three clears.
#include "gfx/core/builtin_data.h"
#include "text_test_support.h"

namespace {

using TextState = TextTest;

TEST_F(TextState, TextSizePicksTheFontWhoseCellsDivideTheScreen) {
    ASSERT_TRUE(open_null_mode(17)); // 640 x 400, 80 x 25 in 8x16
    rt_set_console_size(80, 50);
    EXPECT_EQ(gfx_context->font, &FONT_8X8);
    int columns = 0;
    int rows = 0;
    rt_console_size(&columns, &rows);
    EXPECT_EQ(columns, 80);
    EXPECT_EQ(rows, 50);

    EXPECT_EQ(gfx_text_width(80, 25), 80 | 50 << 16);
    EXPECT_EQ(gfx_context->font, &FONT_8X16);

    EXPECT_EQ(gfx_text_width(70, 25), 80 | 25 << 16) << "640 / 70 is not 8: nothing changes";
    EXPECT_EQ(gfx_context->text_w, 80);
    EXPECT_EQ(gfx_context->font, &FONT_8X16);
    EXPECT_EQ(gfx_text_width(80, 40), 80 | 25 << 16) << "400 / 40 = 10 is no font";
    EXPECT_EQ(gfx_context->text_h, 25);
    EXPECT_EQ(gfx_text_width(0, 0), 80 | 25 << 16);

    ASSERT_TRUE(open_null_mode(9)); // 640 x 350, 8x14
    EXPECT_EQ(gfx_context->font, &FONT_8X14);
    gfx_text_width(80, 0);
    EXPECT_EQ(gfx_context->text_h, 25);
    EXPECT_EQ(gfx_context->font, &FONT_8X14);
}

TEST_F(TextState, ChangingTheSizeClearsTheScreenAndResetsViews) {
    ASSERT_TRUE(open_null_mode(18, 32));
    say("old text");
    gfx_view(10, 10, 100, 100, COLOUR_NONE, COLOUR_NONE, 0);
    rt_set_view_rows(3, 9);
    rt_set_console_size(80, 60); // 480 / 60 = 8
    const GfxContext* ctx = gfx_context;
    EXPECT_EQ(ctx->font, &FONT_8X8);
    EXPECT_EQ(ctx->text_h, 60);
    EXPECT_EQ(ctx->flags & CTX_VIEW_SET, 0u);
    EXPECT_EQ(ctx->view_w, 640);
    int top = -1;
    int bottom = -1;
    rt_view_rows(&top, &bottom);
    EXPECT_EQ(top, 0);
    EXPECT_EQ(bottom, 0);
    EXPECT_EQ(trimmed_row(0), "");
    EXPECT_EQ(page_pixel(0, 0, 3), 0u);
    for (int r = 0; r < 60; ++r) {
        ASSERT_EQ(trimmed_row(r), "");
    }
    say("x");
    EXPECT_TRUE(cell_shows(0, 0, 'x', 0xFFFFFFFF, 0));
}

TEST_F(TextState, ColoursOnTrueColourScreensAreNativeValues) {
    ASSERT_TRUE(open_null_mode(18, 16));
    EXPECT_EQ(rt_color(0x00FF8040, 0x000000FF), static_cast<int>(0xFFFFu));
    EXPECT_EQ(gfx_context->fg_colour, 0xFC08u); // 5-6-5: 11111 100000 01000
    EXPECT_EQ(gfx_context->bg_colour, 0x001Fu);
    rt_color(-1, 0x00FFFFFF);
    EXPECT_EQ(gfx_context->fg_colour, 0xFC08u);
    EXPECT_EQ(gfx_context->bg_colour, 0xFFFFu);

    ASSERT_TRUE(open_null_mode(18, 32));
    rt_color(0x00123456, -1);
    EXPECT_EQ(gfx_context->fg_colour, 0x00123456u);
    EXPECT_EQ(gfx_context->bg_colour, 0u);

    ASSERT_TRUE(open_null_mode(13));
    rt_color(0x1FF, 3);
    EXPECT_EQ(gfx_context->fg_colour, 0xFFu);
    EXPECT_EQ(gfx_context->bg_colour, 3u);
    EXPECT_EQ(rt_color(-1, -1), 0xFF | 3 << 16);
}

TEST_F(TextState, TheOldestModesSetPaletteEntriesInstead) {
    ASSERT_TRUE(open_null_mode(9)); // 16 attributes over 64 colours
    rt_color(0x1E, 1);
    EXPECT_EQ(gfx_context->fg_colour, 14u);
    EXPECT_EQ(gfx_context->bg_colour, 0u);
    EXPECT_EQ(gfx_context->attribute_map[0], 1);
    EXPECT_EQ(gfx_context->palette[0], gfx_context->colour_table[1]);
    rt_color(-5, -7);
    EXPECT_EQ(gfx_context->fg_colour, 14u) << "any negative value keeps the colour";

    ASSERT_TRUE(open_null_mode(1)); // 4 colours from one of four sets
    rt_color(-1, 1);
    EXPECT_EQ(gfx_context->attribute_map[1], 3) << "background 1 picks the set 0, 3, 5, 7";
    rt_color(-1, 3);
    EXPECT_EQ(gfx_context->attribute_map[1], 11) << "background 3 picks the set 0, 11, 13, 15";
    rt_color(4, -1);
    EXPECT_EQ(gfx_context->attribute_map[0], 4);
    EXPECT_EQ(gfx_context->fg_colour, 3u);
}

TEST_F(TextState, LocateMovesOnlyTheGivenCoordinatesAndKeepsInside) {
    ASSERT_TRUE(open_null_mode(13));
    EXPECT_EQ(gfx_text_locate(7, 3, -1), ((6 << 8) | 2) + 0x101);
    EXPECT_EQ(rt_output_column(), 2);
    rt_locate(0, 5);
    EXPECT_EQ(rt_cursor_row(), 7);
    EXPECT_EQ(rt_cursor_column(), 5);
    rt_locate(99, 99);
    EXPECT_EQ(rt_cursor_row(), 25);
    EXPECT_EQ(rt_cursor_column(), 40);
    int row = 0;
    int column = 0;
    rt_cursor(&row, &column);
    EXPECT_EQ(row, 25);
    EXPECT_EQ(column, 40);
    say("ok");
    EXPECT_EQ(cell_row(23)[39], 'o') << "the second character wrapped and scrolled";
    EXPECT_EQ(cell_row(24)[0], 'k');
}

TEST_F(TextState, BackOneWrapsToTheEndOfTheRowAbove) {
    ASSERT_TRUE(open_null_mode(13));
    rt_locate(3, 1);
    gfx_text_back_one();
    EXPECT_EQ(rt_cursor_row(), 2);
    EXPECT_EQ(rt_cursor_column(), 40);
    gfx_text_back_one();
    EXPECT_EQ(rt_cursor_column(), 39);
}

TEST_F(TextState, ClearModesReachThePageTheTextViewOrTheGraphicsView) {
    ASSERT_TRUE(open_null_mode(13));
    GfxContext* ctx = gfx_context;
    std::fill(ctx->pages[0], ctx->pages[0] + 320 * 200, 5);
    gfx_text_fill_cells(0, 0, 40, 25, 0, 'q', 15, 5);
    std::fill(ctx->dirty_rows, ctx->dirty_rows + 200, 0);
    rt_color(-1, 2);

    gfx_view(100, 50, 199, 99, COLOUR_NONE, COLOUR_NONE, 0);
    rt_locate(4, 4);
    rt_cls(1);
    for (int y = 0; y < 200; y += 7) {
        for (int x = 0; x < 320; x += 3) {
            const bool inside = x >= 100 && x < 200 && y >= 50 && y < 100;
            ASSERT_EQ(page_pixel(0, x, y), inside ? 2u : 5u) << x << ", " << y;
        }
    }
    EXPECT_EQ(ctx->dirty_rows[49], 0);
    EXPECT_EQ(ctx->dirty_rows[50], 1);
    EXPECT_EQ(ctx->dirty_rows[99], 1);
    EXPECT_EQ(ctx->dirty_rows[100], 0);
    EXPECT_EQ(ctx->last_x, 150.0f);
    EXPECT_EQ(ctx->last_y, 75.0f);
    EXPECT_EQ(cell_row(0)[0], 'q') << "the view clear leaves the cells";
    EXPECT_EQ(rt_cursor_row(), 4);

    rt_set_view_rows(3, 4);
    rt_cls(2);
    EXPECT_EQ(page_pixel(0, 0, 15), 5u);
    EXPECT_EQ(page_pixel(0, 0, 16), 2u);
    EXPECT_EQ(page_pixel(0, 319, 31), 2u);
    EXPECT_EQ(page_pixel(0, 0, 32), 5u);
    EXPECT_EQ(cell_row(1)[0], 'q');
    EXPECT_EQ(cell_row(2), std::string(40, ' '));
    EXPECT_EQ(ctx->text_pages[0][2 * 40].background, 2u);
    EXPECT_EQ(rt_cursor_row(), 3);

    rt_cls(0);
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 320; ++x) {
            ASSERT_EQ(page_pixel(0, x, y), 2u);
        }
        ASSERT_EQ(ctx->dirty_rows[y], 1);
    }
    for (int r = 0; r < 25; ++r) {
        ASSERT_EQ(cell_row(r), std::string(40, ' '));
    }
    EXPECT_EQ(rt_cursor_row(), 3) << "the top row of the text view";
}

TEST_F(TextState, AnOmittedClearModeFollowsTheViews) {
    ASSERT_TRUE(open_null_mode(13));
    say("keep me");
    gfx_view(0, 100, 319, 199, 4, COLOUR_NONE, 0);
    EXPECT_EQ(page_pixel(0, 10, 150), 4u) << "the fill colour clears the new view";
    EXPECT_EQ(gfx_context->bg_colour, 0u) << "and the background stays";
    say("z");
    rt_cls(RT_CLS_OMITTED);
    EXPECT_EQ(trimmed_row(0), "keep mez");
    EXPECT_EQ(page_pixel(0, 10, 150), 0u);

    gfx_view(COORD_OMITTED, COORD_OMITTED, COORD_OMITTED, COORD_OMITTED, COLOUR_NONE, COLOUR_NONE,
             0);
    rt_cls(RT_CLS_OMITTED);
    EXPECT_EQ(trimmed_row(0), "");
}

TEST_F(TextState, QueriesAndStatementsWithoutAScreenUseTheConsole) {
    rt_locate(3, 7);
    EXPECT_EQ(rt_cursor_row(), 3);
    EXPECT_EQ(rt_cursor_column(), 7);
    const int before = rt_color(-1, -1);
    EXPECT_EQ(rt_color(4, 1), before);
    EXPECT_EQ(rt_color(-1, -1), 4 | 1 << 16);
    rt_color(before & 0xFFFF, before >> 16);
    EXPECT_EQ(rt_port_in(0x3C9), -1);
    EXPECT_EQ(rt_port_out(0x3C8, 1), -1);
    EXPECT_EQ(rt_screen_cell(1, 1, 0), 0);
    rt_cls(0);
    EXPECT_EQ(rt_cursor_row(), 1);
    EXPECT_EQ(rt_cursor_column(), 1);
}

} // namespace
