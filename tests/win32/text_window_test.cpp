// Text on a software screen as a user sees it: printed text read back from the X display, line
// input typed with xdotool behind a block cursor, and what a screen leaves of the real console.
#include <cstdint>

#include "gfx/text/text.h"
#include "rt/rt.h"
#include "tests/win32/screen_readback.h"
#include "win32_test_support.h"

namespace {

constexpr const char* TITLE = "qzgfx text test";

// How colour `index` of the open screen's palette looks on the display, as 0x00RRGGBB.
uint32_t expected_pixel_of_colour(int index) {
    const uint8_t px = static_cast<uint8_t>(index);
    const ReferenceRgb c = reference_source(8, &px, gfx_context->palette);
    return c.r << 16 | c.g << 8 | c.b;
}

// A 640 x 480, 256-colour software screen in a window; skipped where no software driver opens.
class TextWindow : public ::testing::Test {
protected:
    void SetUp() override {
        set_test_title(TITLE);
        if (gfx_screen(18, 0, 1, 0, 0) != 0) {
            GTEST_SKIP() << "no software display driver opens a window in this build";
        }
        window = win32_window.hwnd;
        ASSERT_NE(nullptr, window);
        drain_keys();
    }
    void TearDown() override { gfx_screen(0, 0, 0, 0, 0); }
    HWND window = nullptr;
};

TEST_F(TextWindow, PrintedTextShowsInTheWindowPixelForPixel) {
    rt_color(14, 1);
    const std::string text = "Text on a graphics screen: 0123456789 !?";
    rt_print(text.data(), static_cast<int>(text.size()), RT_PRINT_NEWLINE);
    rt_locate(30, 70);
    rt_print("bottom", 6, 0);
    ASSERT_TRUE(wait_presented());
    const Picture shot = read_client_area(window);
    ASSERT_EQ(640, shot.width) << shot.why;
    ASSERT_EQ(480, shot.height);
    EXPECT_TRUE(shows_framebuffer(shot));
    // The text is really there: the cell of "T" holds the yellow of colour 14 on blue.
    int text_pixels = 0;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 8; ++x) {
            text_pixels += gfx_context->visible_buffer[y * 640 + x] == 14;
        }
    }
    EXPECT_GT(text_pixels, 10);
}

TEST_F(TextWindow, LineInputReadsTypedKeysBehindABlockCursor) {
    ASSERT_EQ(0, run_unix_shell("/usr/bin/xdotool search --sync --name '" + std::string(TITLE) +
                                "' windowfocus --sync"));
    rt_locate(10, 1);
    rt_print("Name: ", 6, 0);
    const DisplayArea area = client_area_on_display(window);
    std::string off_display;
    ASSERT_TRUE(area_on_display(area, &off_display)) << off_display;
    const std::string grab =
        "/tmp/qzgfx-text-input-" + std::to_string(GetCurrentProcessId()) + ".rgb";
    // Typed while the line editor waits: three letters, a backspace, a look at the window, Enter.
    ASSERT_FALSE(start_unix_shell("sleep 1; /usr/bin/xdotool type --delay 80 abx; /usr/bin/xdotool "
                                  "key BackSpace; sleep 0.5; " +
                                  import_command(area, grab) + "; /usr/bin/xdotool key Return")
                     .empty());
    char line[32];
    ASSERT_EQ(line, rt_line_input(line, sizeof line));
    EXPECT_STREQ(line, "ab");

    const Picture shot = take_import_picture(area, grab);
    ASSERT_FALSE(shot.empty()) << shot.why;
    // Row 10, columns 9 and 10: the block where "x" was, then the blank that covered the old block.
    const uint32_t white = expected_pixel_of_colour(15);
    const uint32_t black = expected_pixel_of_colour(0);
    for (int y = 9 * 16; y < 10 * 16; ++y) {
        for (int x = 8 * 8; x < 9 * 8; ++x) {
            ASSERT_EQ(white, shot.at(x, y)) << x << ", " << y;
        }
        for (int x = 9 * 8; x < 10 * 8; ++x) {
            ASSERT_EQ(black, shot.at(x, y)) << x << ", " << y;
        }
    }
    EXPECT_EQ(rt_screen_cell(7, 10, 0), 'a');
    EXPECT_EQ(rt_screen_cell(8, 10, 0), 'b');
    EXPECT_EQ(rt_screen_cell(9, 10, 0), ' ');
}

// The real console's buffer and cursor, or false when the program has no console.
bool console_info(CONSOLE_SCREEN_BUFFER_INFO* info) {
    return GetConsoleScreenBufferInfo(GetStdHandle(STD_OUTPUT_HANDLE), info) != 0;
}

// Makes the program's console (one made for the test when it has none) its standard output for
// the length of a test.
class TextConsole : public ::testing::Test {
protected:
    void SetUp() override {
        saved_out = GetStdHandle(STD_OUTPUT_HANDLE);
        console = open_console_output();
        if (console == INVALID_HANDLE_VALUE && AllocConsole()) {
            made_console = true;
            console = open_console_output();
        }
        if (console == INVALID_HANDLE_VALUE) {
            GTEST_SKIP() << "this program has no console and cannot make one";
        }
        SetStdHandle(STD_OUTPUT_HANDLE, console);
    }
    void TearDown() override {
        gfx_screen(0, 0, 0, 0, 0);
        SetStdHandle(STD_OUTPUT_HANDLE, saved_out);
        if (console != INVALID_HANDLE_VALUE) {
            CloseHandle(console);
        }
        if (made_console) {
            FreeConsole();
        }
    }
    // The console's screen buffer, or INVALID_HANDLE_VALUE without a console.
    static HANDLE open_console_output() {
        return CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    }
    bool made_console = false;
    HANDLE saved_out = nullptr;
    HANDLE console = INVALID_HANDLE_VALUE;
};

TEST_F(TextConsole, AScreenNeitherMovesTheConsoleCursorNorShrinksItsBuffer) {
    CONSOLE_SCREEN_BUFFER_INFO info{};
    ASSERT_TRUE(console_info(&info));
    const COORD big = {120, 400};
    ASSERT_TRUE(SetConsoleScreenBufferSize(console, big));
    const COORD at = {5, 17};
    ASSERT_TRUE(SetConsoleCursorPosition(console, at));

    ASSERT_EQ(0, gfx_screen(13, 0, 1, SCREEN_NULL, 0));
    rt_print("on the screen", 13, RT_PRINT_NEWLINE);
    ASSERT_TRUE(console_info(&info));
    EXPECT_EQ(info.dwCursorPosition.X, 5);
    EXPECT_EQ(info.dwCursorPosition.Y, 17);

    gfx_screen(0, 0, 0, 0, 0);
    ASSERT_TRUE(console_info(&info));
    EXPECT_GE(info.dwSize.X, 120);
    EXPECT_GE(info.dwSize.Y, 400) << "closing the screen kept the user's scrollback";
}

} // namespace
