// Console statements on windowless screens: the colour and retrace ports, line input with its
// block cursor, prompted input, text cells, the hook table and what opening and closing a screen
// leave of the console.
#include "gfx/core/builtin_data.h"
#include "gfx/core/runtime_hooks.h"
#include "gfx/input/input.h"
#include "input_test_screen.h"
#include "text_test_support.h"

namespace {

using ConsoleEmulation = TextTest;

// Posts the bytes of text as key codes.
void type(const std::string& text) {
    for (char c : text) {
        gfx_post_key(static_cast<uint8_t>(c));
    }
}

TEST_F(ConsoleEmulation, ColourPortsWriteAndReadA256ColourEntry) {
    ASSERT_TRUE(open_null_mode(13));
    EXPECT_EQ(rt_port_out(0x3C8, 5), 0);
    EXPECT_EQ(rt_port_out(0x3C9, 63), 0);
    EXPECT_EQ(rt_port_out(0x3C9, 0), 0);
    EXPECT_EQ(rt_port_out(0x3C9, 0), 0);
    EXPECT_EQ(gfx_context->palette[5], 0x0000FFu) << "bright red";
    EXPECT_EQ(rt_port_out(0x3C9, 0), 0);
    EXPECT_EQ(rt_port_out(0x3C9, 0x40 | 32), 0) << "only six bits count";
    EXPECT_EQ(rt_port_out(0x3C9, 63), 0);
    const uint32_t green = 32 * 255 / 63; // six bits widened to eight as every palette entry is
    EXPECT_EQ(gfx_context->palette[6], 0xFF0000u | green << 8) << "the index moved on to 6";

    EXPECT_EQ(rt_port_out(0x3C7, 5), 0);
    EXPECT_EQ(rt_port_in(0x3C9), 63);
    EXPECT_EQ(rt_port_in(0x3C9), 0);
    EXPECT_EQ(rt_port_in(0x3C9), 0);
    EXPECT_EQ(rt_port_in(0x3C9), 0);
    EXPECT_EQ(rt_port_in(0x3C9), 32);
    EXPECT_EQ(rt_port_in(0x3C9), 63);

    rt_port_out(0x3C8, 32);
    const uint8_t* vga = PALETTE_256.colours + 33 * 3;
    rt_port_in(0x3C9);
    rt_port_in(0x3C9);
    rt_port_in(0x3C9);
    EXPECT_EQ(rt_port_in(0x3C9), vga[0] >> 2) << "entry 33's red, from the default palette";
    EXPECT_EQ(rt_port_in(0x3C9), vga[1] >> 2);
    EXPECT_EQ(rt_port_in(0x3C9), vga[2] >> 2);
}

TEST_F(ConsoleEmulation, PortsThatAreNotEmulatedAnswerMinusOne) {
    ASSERT_TRUE(open_null_mode(13));
    EXPECT_EQ(rt_port_out(0x3C6, 1), -1);
    EXPECT_EQ(rt_port_out(0x3DA, 1), -1);
    EXPECT_EQ(rt_port_in(0x3C8), -1);
    EXPECT_EQ(rt_port_in(0x60), -1);
    EXPECT_EQ(rt_port_in(0x3DA), 8) << "the Null driver has no retrace to wait for";
    ASSERT_TRUE(open_null_mode(18, 32));
    EXPECT_EQ(rt_port_out(0x3C8, 1), -1);
    EXPECT_EQ(rt_port_in(0x3C9), -1);
    EXPECT_EQ(rt_port_in(0x3DA), 8);
}

TEST_F(ConsoleEmulation, TheStatusPortWaitsForTheDriversRetrace) {
    TestScreen screen(64, 32, 1, 1, &TEST_SOFTWARE_DRIVER);
    EXPECT_EQ(gfx_port_in(0x3DA), 8);
    EXPECT_EQ(gfx_port_in(0x3DA), 8);
    EXPECT_EQ(test_driver_log.vsyncs, 2);
}

TEST_F(ConsoleEmulation, PrintingTakesTheLockOnceUnlessTheProgramHoldsIt) {
    decode_builtin_data();
    TestScreen screen(64, 32, 1, 1, &TEST_SOFTWARE_DRIVER, 8, 4);
    screen.ctx().font = &FONT_8X8;
    gfx_select_pixel_routines();
    gfx_text_print("a\tb\nc", 5, 0);
    EXPECT_EQ(test_driver_log.locks, 1);
    EXPECT_EQ(test_driver_log.unlocks, 1);
    EXPECT_EQ(screen.ctx().flags & (CTX_LOCKED | CTX_AUTO_LOCKED), 0u);
    EXPECT_EQ(screen.text(0)[8].code, static_cast<uint32_t>('b'))
        << "the tab filled the 8-column row";
    EXPECT_EQ(screen.text(0)[16].code, static_cast<uint32_t>('c'));

    screen.ctx().flags |= CTX_LOCKED;
    gfx_text_print("d", 1, 0);
    gfx_text_cls(0);
    gfx_draw_box(0, 0, 10, 10, 1, 0, BOX_STYLE_SOLID);
    EXPECT_EQ(test_driver_log.locks, 1);
    EXPECT_EQ(test_driver_log.unlocks, 1);
    EXPECT_EQ(screen.ctx().flags & CTX_LOCKED, CTX_LOCKED) << "the program's own lock stays";
}

TEST_F(ConsoleEmulation, OnAttributeScreensAPortColourChangesEveryMappedValue) {
    ASSERT_TRUE(open_null_mode(9)); // 16 attributes over 64 colours; 6 maps to colour 20
    GfxContext* ctx = gfx_context;
    gfx_palette(3, 20, -1, -1); // attribute 3 now shows colour 20 too
    std::fill(ctx->dirty_rows, ctx->dirty_rows + ctx->height, 0);
    rt_port_out(0x3C8, 20);
    rt_port_out(0x3C9, 10);
    rt_port_out(0x3C9, 20);
    rt_port_out(0x3C9, 30);
    const uint32_t colour = (10u << 2) | (20u << 2) << 8 | (30u << 2) << 16;
    EXPECT_EQ(ctx->colour_table[20], colour);
    EXPECT_EQ(ctx->palette[6], colour);
    EXPECT_EQ(ctx->palette[3], colour);
    EXPECT_NE(ctx->palette[5], colour);
    for (int y = 0; y < ctx->height; ++y) {
        ASSERT_EQ(ctx->dirty_rows[y], 1) << "the whole screen is shown again";
    }
    rt_port_out(0x3C9, 1);
    rt_port_out(0x3C9, 2);
    rt_port_out(0x3C9, 3);
    EXPECT_EQ(ctx->colour_table[21], 4u | 8u << 8 | 12u << 16) << "the index moved on";
}

TEST_F(ConsoleEmulation, LineInputEchoesBehindABlockAndBackspaceRubsOut) {
    ASSERT_TRUE(open_null_mode(13));
    rt_locate(5, 3);
    type("abX\bc\r");
    char buffer[16];
    ASSERT_EQ(rt_line_input(buffer, sizeof buffer), buffer);
    EXPECT_STREQ(buffer, "abc");
    EXPECT_EQ(trimmed_row(4), "  abc");
    EXPECT_EQ(rt_cursor_column(), 1) << "Enter sends the cursor back to column 1";
    EXPECT_EQ(rt_cursor_row(), 5);
}

TEST_F(ConsoleEmulation, TheBlockCursorShowsWhileWaitingAndMovesBackWithBackspace) {
    ASSERT_TRUE(open_null_mode(13));
    GfxContext* ctx = gfx_context;
    type("hi\b\r");
    char buffer[8];
    // Watch the cells while the keys are taken, through the sleep hook the key wait calls.
    static std::vector<std::string> seen;
    seen.clear();
    const RuntimeHooks saved = rt_hooks;
    rt_hooks.sleep = [](int) {
        const std::string row = cell_row(0).substr(0, 4);
        if (seen.empty() || seen.back() != row) {
            seen.push_back(row);
        }
    };
    gfx_text_line_input(buffer, sizeof buffer);
    rt_hooks = saved;
    EXPECT_STREQ(buffer, "h\r") << "the line editor keeps Enter; the runtime drops it";
    const std::string block(1, static_cast<char>(219));
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[0], block + "   ");
    EXPECT_EQ(seen[1], "h" + block + "  ");
    EXPECT_EQ(seen[2], "hi" + block + " ");
    EXPECT_EQ(seen[3], "h" + block + "  ")
        << "backspace puts the block back and blanks the old one";
    EXPECT_EQ(cell_row(0).substr(0, 4), "h   ");
    EXPECT_TRUE(cell_shows(1, 0, ' ', 15, 0));
    EXPECT_EQ(ctx->cursor_x, 0);
}

TEST_F(ConsoleEmulation, AFullBufferTakesOnlyEnterAndExtendedKeysAreIgnored) {
    ASSERT_TRUE(open_null_mode(13));
    gfx_post_key(0x3BFF); // F1
    type("\a\bxyz");
    gfx_post_key(13);
    char buffer[3];
    gfx_text_line_input(buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "xy");
    EXPECT_EQ(trimmed_row(0), "xy" + std::string(1, static_cast<char>(219)));
}

TEST_F(ConsoleEmulation, EnterWithTheBlockInTheBottomRightCellScrollsOnce) {
    ASSERT_TRUE(open_null_mode(13)); // 40 x 25
    rt_locate(24, 1);
    say("above");
    rt_locate(25, 30);
    const std::string typed(10, 'x'); // the block then stands in the last cell
    type(typed + "\r");
    char line[64];
    ASSERT_EQ(rt_input(nullptr, line, sizeof line, RT_DEST_FIXED, 0, 1), 0);
    EXPECT_EQ(line, typed);
    EXPECT_EQ(trimmed_row(22), "above") << "one scroll moved the rows up by one";
    EXPECT_EQ(trimmed_row(23), std::string(29, ' ') + typed);
    EXPECT_EQ(trimmed_row(24), "");
    EXPECT_EQ(rt_cursor_row(), 25);
    EXPECT_EQ(rt_cursor_column(), 1);
}

TEST_F(ConsoleEmulation, ACloseRequestEndsLineInputAndWaitsForTheProgram) {
    ASSERT_TRUE(open_null_mode(13));
    type("ab");
    gfx_post_key(CLOSE_KEY_CODE);
    type("c\r");
    char buffer[16];
    ASSERT_EQ(rt_line_input(buffer, sizeof buffer), buffer);
    EXPECT_STREQ(buffer, "ab") << "the text typed so far is the line";
    EXPECT_EQ(trimmed_row(0), "ab") << "the block is gone";
    EXPECT_EQ(gfx_getkey(), CLOSE_KEY_CODE) << "the request is still there for the program";
    EXPECT_EQ(gfx_getkey(), 'c');
    EXPECT_EQ(gfx_getkey(), 13);
}

TEST_F(ConsoleEmulation, LineInputStoresAndEchoesOnlyPrintableCharacters) {
    ASSERT_TRUE(open_null_mode(13));
    type("a\tb\x1b\x01"
         "c\x7f\bd\r");
    char buffer[16];
    ASSERT_EQ(rt_line_input(buffer, sizeof buffer), buffer);
    EXPECT_STREQ(buffer, "abd");
    EXPECT_EQ(trimmed_row(0), "abd") << "the screen shows what the line holds";
    EXPECT_EQ(rt_cursor_column(), 1);
}

TEST_F(ConsoleEmulation, ThePortIndexIsMaskedToTheScreenOpenWhenItIsUsed) {
    ASSERT_TRUE(open_null_mode(13));
    rt_port_out(0x3C8, 200);
    ASSERT_TRUE(open_null_mode(9)); // 64 colours: entry 200 is entry 200 & 63 = 8
    const uint32_t before = gfx_context->colour_table[200];
    rt_port_out(0x3C9, 10);
    rt_port_out(0x3C9, 20);
    rt_port_out(0x3C9, 30);
    EXPECT_EQ(gfx_context->colour_table[8], (10u << 2) | (20u << 2) << 8 | (30u << 2) << 16);
    EXPECT_EQ(gfx_context->colour_table[200], before) << "nothing beyond the 64 colours changed";
}

TEST_F(ConsoleEmulation, LineInputWithoutAScreenAnswersNull) {
    char buffer[4] = "abc";
    EXPECT_EQ(gfx_text_line_input(buffer, sizeof buffer), nullptr);
    EXPECT_STREQ(buffer, "abc");
}

TEST_F(ConsoleEmulation, PromptedInputPrintsThePromptAndStoresTheLine) {
    ASSERT_TRUE(open_null_mode(13));
    type("42\r");
    RtString dest{nullptr, 0, 0};
    RtString* prompt = rt_string_temp("Age", 3);
    ASSERT_EQ(rt_input(prompt, &dest, -1, RT_DEST_STRING, 1, 1), 0);
    EXPECT_STREQ(dest.data, "42") << "the line editor's Enter is not part of the line";
    EXPECT_EQ(trimmed_row(0), "Age? 42");
    EXPECT_EQ(rt_cursor_row(), 2);
    rt_string_clear(&dest);

    type("hello\r");
    char fixed[4];
    ASSERT_EQ(rt_input(nullptr, fixed, sizeof fixed, RT_DEST_FIXED, 1, 0), 0);
    EXPECT_STREQ(fixed, "hel");
    EXPECT_EQ(trimmed_row(1), "hello") << "no prompt, so no question mark";
}

TEST_F(ConsoleEmulation, WidePromptedInputWidensTheLine) {
    ASSERT_TRUE(open_null_mode(13));
    type("\xE9t\xE9\r");
    const uint16_t prompt[] = {'N', 0xD83D, 0xDE00, 0};
    uint16_t dest[8] = {};
    ASSERT_EQ(rt_input_wide(prompt, dest, 8, 0, 0), 0);
    const uint16_t want[] = {0xE9, 't', 0xE9, 0};
    EXPECT_EQ(std::memcmp(dest, want, sizeof want), 0);
    EXPECT_EQ(trimmed_row(0), "N?\xE9t\xE9");
}

TEST_F(ConsoleEmulation, ScreenCellsReadCharactersAndColoursByDepth) {
    ASSERT_TRUE(open_null_mode(12)); // 4 bits
    rt_color(14, -1);
    gfx_context->bg_colour = 1;
    say("A");
    EXPECT_EQ(rt_screen_cell(1, 1, 0), 'A');
    EXPECT_EQ(rt_screen_cell(1, 1, 1), 14 + 1 * 16);
    EXPECT_EQ(rt_screen_cell(0, 1, 0), 0);
    EXPECT_EQ(rt_screen_cell(1, 31, 0), 0);
    EXPECT_EQ(rt_screen_cell(81, 1, 0), 0);
    EXPECT_EQ(rt_screen_cell(80, 30, 0), ' ');

    ASSERT_TRUE(open_null_mode(13));
    rt_color(200, 100);
    say("B");
    EXPECT_EQ(rt_screen_cell(1, 1, 1), 200 + 100 * 256);
}

TEST_F(ConsoleEmulation, EverySlotIsSetWhileAScreenIsOpenAndNoneAfter) {
    ASSERT_TRUE(open_null_mode(13));
    const auto* slots = reinterpret_cast<const void* const*>(&rt_hooks);
    for (size_t i = 0; i < sizeof(RuntimeHooks) / sizeof(void*); ++i) {
        EXPECT_NE(slots[i], nullptr) << "slot " << i;
    }
    gfx_screen(0, 0, 0, 0, 0);
    for (size_t i = 0; i < sizeof(RuntimeHooks) / sizeof(void*); ++i) {
        EXPECT_EQ(slots[i], nullptr) << "slot " << i;
    }
}

TEST_F(ConsoleEmulation, OpeningAScreenLeavesTheConsoleCursorWhereItWas) {
    rt_locate(7, 12);
    ASSERT_TRUE(open_null_mode(13));
    EXPECT_EQ(rt_cursor_row(), 1) << "the screen's own cursor starts at the top";
    const RuntimeHooks saved = rt_hooks;
    rt_hooks = RuntimeHooks{};
    int row = 0;
    int column = 0;
    rt_cursor(&row, &column);
    rt_hooks = saved;
    EXPECT_EQ(row, 7);
    EXPECT_EQ(column, 12);
}

} // namespace
