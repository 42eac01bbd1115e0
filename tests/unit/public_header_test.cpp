// The public header against the library: what a program that sees only qzgfx.h does reaches the
// library's own state. (That each public name is declared in qzgfx.h alone is checked by
// tests/layers/check_public_once.py.)
#include <qzgfx.h>

#include <gtest/gtest.h>

#include <cstring>

#include "gfx/core/context.h"
#include "tests/unit/public_header_probe.h"

TEST(PublicHeader, DrawingThroughItReachesTheFramebuffer) {
    ASSERT_EQ(public_header_open_screen(), 0);
    GfxContext* ctx = gfx_context;
    ASSERT_NE(ctx, nullptr);
    std::memset(ctx->dirty_rows, 0, static_cast<size_t>(ctx->height));
    ASSERT_EQ(public_header_draw_diagonal(), 0);
    EXPECT_EQ(ctx->flags & (CTX_LOCKED | CTX_AUTO_LOCKED), 0u);
    int drawn = 0;
    for (int y = 0; y < ctx->height; ++y) {
        for (int x = 0; x < ctx->width; ++x) {
            const uint8_t expected = (x == y && x < 64) ? static_cast<uint8_t>(x + 1) : 0;
            drawn += ctx->pages[0][y * ctx->pitch + x] == expected;
        }
        EXPECT_EQ(ctx->dirty_rows[y], y < 64 ? 1 : 0) << y;
    }
    EXPECT_EQ(drawn, ctx->width * ctx->height);
    gfx_screen(0, 0, 0, 0, 0);
}

// Text printed, coloured and placed through the public header lands in the screen's own text
// cells, and the header's queries read back what the library stores.
TEST(PublicHeader, TextStatementsReachTheScreensCells) {
    PublicHeaderText seen{};
    ASSERT_EQ(public_header_print_text(&seen), 0);
    GfxContext* ctx = gfx_context;
    ASSERT_NE(ctx, nullptr);
    EXPECT_EQ(ctx->mode, 12);
    EXPECT_EQ(seen.columns, ctx->text_w);
    EXPECT_EQ(seen.rows, ctx->text_h);
    EXPECT_EQ(ctx->text_h, 60);
    const TextCell* cells = ctx->text_pages[ctx->work_page];
    const char* printed = "Hi!";
    for (int i = 0; i < 3; ++i) {
        const TextCell& cell = cells[(7 - 1) * ctx->text_w + (5 - 1) + i];
        EXPECT_EQ(cell.code, static_cast<uint32_t>(printed[i])) << i;
        EXPECT_EQ(cell.foreground, 14u) << i;
        EXPECT_EQ(cell.background, 1u) << i;
        EXPECT_EQ(seen.codes[i], printed[i]) << i;
        EXPECT_EQ(seen.colours[i], 14 + 1 * 16) << i;
    }
    EXPECT_EQ(seen.row, 7);
    EXPECT_EQ(seen.column, 8);
    EXPECT_EQ(seen.row_alone, 7);
    EXPECT_EQ(seen.column_alone, 8);
    EXPECT_EQ(seen.previous_colours, 15); // mode 12 starts white on black
    EXPECT_EQ(seen.port_red, 63);         // palette entry 15 is white: red 63 through the ports
    rt_cls(RT_CLS_OMITTED);
    EXPECT_NE(cells[(7 - 1) * ctx->text_w + (5 - 1)].code, static_cast<uint32_t>('H'));
    EXPECT_EQ(rt_screen_cell(5, 7, 0),
              static_cast<int>(cells[(7 - 1) * ctx->text_w + (5 - 1)].code));
    EXPECT_EQ(rt_cursor_row(), 1);
    gfx_screen(0, 0, 0, 0, 0);
}
