// Opening, replacing and closing screens on the Null driver: geometry, buffers, hooks, console.
#include <gtest/gtest.h>

#include <cstring>

#include "gfx/core/builtin_data.h"
#include "gfx/core/modes.h"
#include "gfx/core/module_title.h"
#include "gfx/core/runtime_hooks.h"
#include "rt/rt.h"
#include "screen_test_support.h"

namespace {

using ScreenOpen = ScreenTest;

TEST_F(ScreenOpen, DemoScreenHasOnePage32BitsAndWhiteText) {
    test_setenv("QZGFX", "null");
    ASSERT_EQ(gfx_screen_res(640, 480, 32, 0, SCREEN_OPENGL, 0), 0);
    const GfxContext* ctx = gfx_context;
    ASSERT_NE(ctx, nullptr);
    EXPECT_EQ(ctx->driver, &GFX_DRIVER_NULL);
    EXPECT_EQ(ctx->mode, -1);
    EXPECT_EQ(ctx->num_pages, 1);
    EXPECT_EQ(ctx->depth, 32);
    EXPECT_EQ(ctx->bytes_per_pixel, 4);
    EXPECT_EQ(ctx->pitch, 2560);
    EXPECT_EQ(ctx->colour_mask, 0xFFFFFFFFu);
    EXPECT_EQ(ctx->fg_colour, 0xFFFFFFFFu);
    EXPECT_EQ(ctx->bg_colour, 0u);
    EXPECT_EQ(ctx->text_w, 80);
    EXPECT_EQ(ctx->text_h, 60);
    EXPECT_EQ(ctx->view_w, 640);
    EXPECT_EQ(ctx->view_h, 480);
    EXPECT_EQ(ctx->rows_capacity, 480);
    EXPECT_EQ(ctx->default_palette, &PALETTE_256);
    EXPECT_EQ(ctx->font, &FONT_8X8);
}

TEST_F(ScreenOpen, DepthIsNormalisedAndRaisedForOpenGl) {
    test_setenv("QZGFX", "null");
    ASSERT_EQ(gfx_screen_res(640, 480, 8, 1, SCREEN_OPENGL, 0), 0);
    EXPECT_EQ(gfx_context->depth, 16);

    ASSERT_EQ(gfx_screen_res(320, 200, 15, 1, 0, 0), 0);
    EXPECT_EQ(gfx_context->depth, 16);
    EXPECT_EQ(gfx_context->colour_mask, 0xFFFFu);
    EXPECT_EQ(gfx_context->bytes_per_pixel, 2);
    EXPECT_EQ(gfx_context->fg_colour, 0xFFFFu);

    ASSERT_EQ(gfx_screen_res(100, 50, 24, 1, 0, 0), 0);
    EXPECT_EQ(gfx_context->depth, 32);
    EXPECT_EQ(gfx_context->bytes_per_pixel, 4);

    ASSERT_EQ(gfx_screen_res(100, 50, 8, 1, 0, 0), 0);
    EXPECT_EQ(gfx_context->depth, 8);
    EXPECT_EQ(gfx_context->fg_colour, 15u);
    EXPECT_EQ(gfx_context->colour_mask, 0xFFu);
}

TEST_F(ScreenOpen, DepthArgumentReplacesOnlyModesAbove13) {
    ASSERT_EQ(gfx_screen(13, 32, 1, SCREEN_NULL, 0), 0);
    EXPECT_EQ(gfx_context->depth, 8);
    ASSERT_EQ(gfx_screen(14, 32, 1, SCREEN_NULL, 0), 0);
    EXPECT_EQ(gfx_context->width, 320);
    EXPECT_EQ(gfx_context->height, 240);
    EXPECT_EQ(gfx_context->depth, 32);
    ASSERT_EQ(gfx_screen(14, 12, 1, SCREEN_NULL, 0), 0);
    EXPECT_EQ(gfx_context->depth, 8);
}

TEST_F(ScreenOpen, EveryModeMatchesItsTableRow) {
    const int modes[] = {1, 2, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21};
    for (int mode : modes) {
        SCOPED_TRACE(mode);
        const ScreenModeInfo& row = MODE_TABLE[mode];
        ASSERT_EQ(gfx_screen(mode, 0, 2, SCREEN_NULL, 0), 0);
        const GfxContext* ctx = gfx_context;
        EXPECT_EQ(ctx->mode, mode);
        EXPECT_EQ(ctx->width, row.width);
        EXPECT_EQ(ctx->height, row.height);
        EXPECT_EQ(ctx->depth, row.depth);
        EXPECT_EQ(ctx->colour_mask, (1u << row.depth) - 1);
        EXPECT_EQ(ctx->bytes_per_pixel, 1);
        EXPECT_EQ(ctx->pitch, row.width);
        EXPECT_EQ(ctx->scanline_size, row.scanline_size);
        EXPECT_EQ(ctx->text_w, row.text_w);
        EXPECT_EQ(ctx->text_h, row.text_h);
        EXPECT_EQ(ctx->num_pages, 2);
        EXPECT_EQ(ctx->fg_colour, row.depth == 8 ? 15u : (1u << row.depth) - 1);
        EXPECT_EQ(ctx->visible_buffer, ctx->pages[0]);
        EXPECT_EQ(ctx->rows[0], ctx->pages[0]);
        EXPECT_EQ(ctx->rows[row.height - 1], ctx->pages[0] + (row.height - 1) * row.width);
    }
}

TEST_F(ScreenOpen, NonExistentModesFailAndKeepTheOpenScreen) {
    ASSERT_EQ(gfx_screen(13, 0, 1, SCREEN_NULL, 0), 0);
    const GfxContext* before = gfx_context;
    for (int mode : {3, 4, 5, 6, 22, -1, 1000}) {
        SCOPED_TRACE(mode);
        rt_set_error(0);
        EXPECT_EQ(gfx_screen(mode, 0, 1, SCREEN_NULL, 0), RT_ERR_ILLEGAL_CALL);
        EXPECT_EQ(rt_last_error(), RT_ERR_ILLEGAL_CALL);
        EXPECT_EQ(gfx_context, before);
    }
}

TEST_F(ScreenOpen, BadSizesAndDepthsFailAndKeepTheOpenScreen) {
    ASSERT_EQ(gfx_screen(13, 0, 1, SCREEN_NULL, 0), 0);
    const GfxContext* before = gfx_context;
    EXPECT_EQ(gfx_screen_res(0, 480, 32, 1, SCREEN_NULL, 0), RT_ERR_ILLEGAL_CALL);
    EXPECT_EQ(gfx_screen_res(640, -1, 32, 1, SCREEN_NULL, 0), RT_ERR_ILLEGAL_CALL);
    for (int depth : {0, 1, 4, 12, 31, 64}) {
        EXPECT_EQ(gfx_screen_res(64, 64, depth, 1, SCREEN_NULL, 0), RT_ERR_ILLEGAL_CALL) << depth;
    }
    EXPECT_EQ(gfx_context, before);
}

TEST_F(ScreenOpen, MalformedRowsGivenToSetModeAreRefused) {
    ScreenModeInfo row = MODE_TABLE[13];
    row.depth = 12;
    EXPECT_EQ(gfx_set_mode(&row, 13, 0, 1, 0, SCREEN_NULL), RT_ERR_ILLEGAL_CALL);
    row = MODE_TABLE[13];
    row.scanline_size = 0;
    EXPECT_EQ(gfx_set_mode(&row, 13, 0, 1, 0, SCREEN_NULL), RT_ERR_ILLEGAL_CALL);
    row = MODE_TABLE[13];
    row.palette = nullptr;
    EXPECT_EQ(gfx_set_mode(&row, 13, 0, 1, 0, SCREEN_NULL), RT_ERR_ILLEGAL_CALL);
    EXPECT_EQ(gfx_context, nullptr);
}

TEST_F(ScreenOpen, ZeroOrNegativePageCountGivesOnePage) {
    ASSERT_EQ(gfx_screen(13, 0, 0, SCREEN_NULL, 0), 0);
    EXPECT_EQ(gfx_context->num_pages, 1);
    ASSERT_EQ(gfx_screen_res(64, 64, 8, -5, SCREEN_NULL, 0), 0);
    EXPECT_EQ(gfx_context->num_pages, 1);
}

TEST_F(ScreenOpen, BuffersStartZeroedAndTextPagesBlank) {
    ASSERT_EQ(gfx_screen(12, 0, 3, SCREEN_NULL, 0), 0);
    const GfxContext* ctx = gfx_context;
    for (int p = 0; p < ctx->num_pages; ++p) {
        for (int i = 0; i < ctx->height * ctx->pitch; ++i) {
            ASSERT_EQ(ctx->pages[p][i], 0) << p << " " << i;
        }
    }
    for (int i = 0; i < 128; ++i) {
        ASSERT_EQ(ctx->key_state[i], 0);
    }
    const TextCell* work = ctx->text_pages[0];
    for (int i = 0; i < ctx->text_w * ctx->text_h; ++i) {
        ASSERT_EQ(work[i].code, 32u);
        ASSERT_EQ(work[i].foreground, 15u);
        ASSERT_EQ(work[i].background, 0u);
    }
    const TextCell* other = ctx->text_pages[2];
    EXPECT_EQ(other[0].code, 0u);
    EXPECT_EQ(other[ctx->text_w * ctx->text_h - 1].code, 0u);
}

TEST_F(ScreenOpen, HooksAreInstalledExactlyWhileAScreenIsOpen) {
    ASSERT_EQ(gfx_screen(13, 0, 1, SCREEN_NULL, 0), 0);
    EXPECT_EQ(std::memcmp(&rt_hooks, &GFX_RUNTIME_HOOKS, sizeof rt_hooks), 0);
    EXPECT_NE(rt_hooks.inkey, nullptr);
    EXPECT_NE(rt_hooks.multikey, nullptr);
    EXPECT_EQ(rt_hooks.view_update, gfx_nop);
    EXPECT_EQ(rt_hooks.reserved, gfx_return_zero);
    EXPECT_EQ(rt_hooks.reserved(), 0);
    ASSERT_EQ(gfx_screen(0, 0, 0, 0, 0), 0);
    const RuntimeHooks empty{};
    EXPECT_EQ(std::memcmp(&rt_hooks, &empty, sizeof rt_hooks), 0);
}

TEST_F(ScreenOpen, ClosingLeavesAn80By50ConsoleWithTheCursorHome) {
    ASSERT_EQ(gfx_screen(13, 0, 1, SCREEN_NULL, 0), 0);
    rt_locate(7, 9);
    rt_set_output_column(12);
    ASSERT_EQ(gfx_screen(0, 0, 0, 0, 0), 0);
    EXPECT_EQ(gfx_context, nullptr);
    int columns = 0;
    int rows = 0;
    rt_console_size(&columns, &rows);
    EXPECT_EQ(columns, 80);
    EXPECT_EQ(rows, 50);
    int row = 0;
    int column = 0;
    rt_cursor(&row, &column);
    EXPECT_EQ(row, 1);
    EXPECT_EQ(column, 1);
    EXPECT_EQ(rt_output_column(), 0);
}

TEST_F(ScreenOpen, OpeningResetsTheConsoleViewCursorAndOutputColumn) {
    rt_set_view_rows(3, 9);
    rt_locate(5, 5);
    rt_set_output_column(17);
    ASSERT_EQ(gfx_screen(13, 0, 1, SCREEN_NULL, 0), 0);
    int top = -1;
    int bottom = -1;
    rt_view_rows(&top, &bottom);
    EXPECT_EQ(top, 0);
    EXPECT_EQ(bottom, 0);
    int row = 0;
    int column = 0;
    rt_cursor(&row, &column);
    EXPECT_EQ(row, 1);
    EXPECT_EQ(column, 1);
    EXPECT_EQ(rt_output_column(), 0);
}

TEST_F(ScreenOpen, ExitHookClosesTheScreen) {
    ASSERT_EQ(gfx_screen(13, 0, 1, SCREEN_NULL, 0), 0);
    gfx_exit_hook();
    EXPECT_EQ(gfx_context, nullptr);
    EXPECT_EQ(rt_hooks.inkey, nullptr);
    gfx_exit_hook();
    EXPECT_EQ(gfx_context, nullptr);
}

TEST_F(ScreenOpen, TitleIsTheProgramNameWithoutDirectoryOrExtension) {
    char path[GFX_TITLE_SIZE] = "C:\\games\\qz\\my.demo.exe";
    gfx_title_from_path(path);
    EXPECT_STREQ(path, "my.demo");
    char bare[GFX_TITLE_SIZE] = "prog";
    gfx_title_from_path(bare);
    EXPECT_STREQ(bare, "prog");
    char trailing[GFX_TITLE_SIZE] = "C:\\dir\\";
    gfx_title_from_path(trailing);
    EXPECT_STREQ(trailing, "");
#ifndef _WIN32
    char posix[GFX_TITLE_SIZE] = "/home/u/build/unit_tests";
    gfx_title_from_path(posix);
    EXPECT_STREQ(posix, "unit_tests");
#endif
}

TEST_F(ScreenOpen, DefaultTitleComesFromTheModuleName) {
    gfx_title[0] = '\0';
    ASSERT_EQ(gfx_screen(13, 0, 1, SCREEN_NULL, 0), 0);
    EXPECT_STREQ(gfx_title, "unit_tests");
    std::strcpy(gfx_title, "kept");
    ASSERT_EQ(gfx_screen(13, 0, 1, SCREEN_NULL, 0), 0);
    EXPECT_STREQ(gfx_title, "kept");
}

TEST_F(ScreenOpen, TextFillIsClippedToThePage) {
    ASSERT_EQ(gfx_screen(13, 0, 2, SCREEN_NULL, 0), 0);
    const GfxContext* ctx = gfx_context;
    gfx_text_fill_cells(-5, -5, 1000, 1000, 1, 0x1234A, 7, 9);
    const TextCell* page = ctx->text_pages[1];
    const int last = ctx->text_w * ctx->text_h - 1;
    EXPECT_EQ(page[0].code, 0x234Au);
    EXPECT_EQ(page[last].code, 0x234Au);
    EXPECT_EQ(page[last].foreground, 7u);
    EXPECT_EQ(page[last].background, 9u);
    gfx_text_fill_cells(2, 1, 4, 2, 0, 'A', 1, 2);
    EXPECT_EQ(ctx->text_pages[0][1 * ctx->text_w + 1].code, 32u);
    EXPECT_EQ(ctx->text_pages[0][1 * ctx->text_w + 2].code, static_cast<uint32_t>('A'));
    EXPECT_EQ(ctx->text_pages[0][1 * ctx->text_w + 3].code, static_cast<uint32_t>('A'));
    EXPECT_EQ(ctx->text_pages[0][1 * ctx->text_w + 4].code, 32u);
    EXPECT_EQ(ctx->text_pages[0][2 * ctx->text_w + 2].code, 32u);
    gfx_text_fill_cells(0, 0, 10, 10, 2, 'X', 0, 0);
    gfx_text_fill_cells(0, 0, 10, 10, -1, 'X', 0, 0);
    EXPECT_EQ(ctx->text_pages[0][0].code, 32u);
}

} // namespace
