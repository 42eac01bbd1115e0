// The public header against the library: the same entries, constants and behaviour.
//
// This file includes qzgfx.h together with the internal headers. A public declaration whose
// parameters drifted from the library's becomes an overload here, so taking its address below
// stops compiling; a drifted result type is a conflicting redeclaration.
#include <qzgfx.h>

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>
#include <vector>

#include "gfx/core/context.h"
#include "gfx/core/driver_report.h"
#include "gfx/core/pages.h"
#include "gfx/core/palette.h"
#include "gfx/core/screen.h"
#include "gfx/core/screen_lock.h"
#include "gfx/input/input.h"
#include "gfx/text/text.h"
#include "rt/rt.h"
#include "rt/string.h"
#include "tests/unit/public_header_probe.h"

namespace {

// Every function the public header declares, each resolved to exactly one declaration.
[[maybe_unused]] constexpr auto PUBLIC_ENTRIES = std::make_tuple(
    &rt_start, &rt_last_error, &gfx_screen, &gfx_screen_res, &gfx_screen_info, &gfx_driver_report, &gfx_screen_lock,
    &gfx_screen_unlock, &gfx_colour_to_native, &gfx_palette, &gfx_palette_using, &gfx_flip,
    &gfx_screen_set, &gfx_screen_sync, &rt_string_temp, &gfx_window_title, &gfx_getkey,
    &gfx_keyhit, &rt_multikey, &gfx_getmouse, &gfx_setmouse, &rt_print, &rt_cls, &rt_color,
    &rt_locate, &rt_cursor, &rt_cursor_row, &rt_cursor_column, &rt_set_console_size,
    &rt_console_size, &rt_set_view_rows, &rt_view_rows, &rt_screen_cell, &rt_line_input, &rt_input,
    &rt_port_in, &rt_port_out, &rt_sleep);

} // namespace

TEST(PublicHeader, ConstantsMatchTheLibrarys) {
    const std::vector<int> library = {SCREEN_FULLSCREEN,   SCREEN_OPENGL, SCREEN_NO_SWITCH,
                                      SCREEN_STENCIL_BUFFER, SCREEN_ACCUM_BUFFER, SCREEN_NULL,
                                      RT_PRINT_NEWLINE,    RT_PRINT_EVEN_IF_EMPTY,
                                      CLS_MODE_OMITTED,    RT_DEST_STRING,
                                      RT_DEST_FIXED};
    EXPECT_EQ(public_header_constants(), library);
}

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
    EXPECT_EQ(rt_screen_cell(5, 7, 0), static_cast<int>(cells[(7 - 1) * ctx->text_w + (5 - 1)].code));
    EXPECT_EQ(rt_cursor_row(), 1);
    gfx_screen(0, 0, 0, 0, 0);
}
