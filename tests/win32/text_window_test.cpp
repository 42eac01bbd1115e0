// Text on a software screen as a user sees it: printed text read back from the X display, line
// input typed with xdotool behind a block cursor, and what a screen leaves of the real console.
#include <cstdint>
#include <fstream>
#include <iterator>

#include "gfx/text/text.h"
#include "rt/rt.h"
#include "win32_test_support.h"

namespace {

constexpr const char* TITLE = "qzgfx text test";

// Runs a Unix shell command line. With wait, returns its exit status once it ends, or -1;
// without wait, returns 0 as soon as it started.
int run_unix(const std::string& script, bool wait) {
    if (wait) {
        return run_unix_shell(script);
    }
    return start_unix_shell(script).empty() ? -1 : 0;
}

// The screen rectangle of the window's client area.
RECT client_on_screen(HWND window) {
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    const SIZE size = client_size(window);
    return RECT{origin.x, origin.y, origin.x + size.cx, origin.y + size.cy};
}

// The shell command that saves the display's pixels inside r as raw 8-bit RGB in unix_path.
std::string grab_command(const RECT& r, const std::string& unix_path) {
    return "import -window root -crop " + std::to_string(r.right - r.left) + "x" +
           std::to_string(r.bottom - r.top) + "+" + std::to_string(r.left) + "+" +
           std::to_string(r.top) + " -depth 8 rgb:" + unix_path;
}

// Reads a raw RGB grab back through drive Z:.
std::vector<uint8_t> read_grab(const std::string& unix_path) {
    std::string path = "Z:" + unix_path;
    for (char& c : path) {
        if (c == '/') {
            c = '\\';
        }
    }
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// The colour the display shows for framebuffer pixel (x, y) of a paletted screen, as R, G, B.
void expected_rgb(int x, int y, uint8_t rgb[3]) {
    const GfxContext* ctx = gfx_context;
    const uint32_t c = ctx->palette[ctx->visible_buffer[static_cast<size_t>(y) * ctx->pitch + x]];
    rgb[0] = static_cast<uint8_t>(c);
    rgb[1] = static_cast<uint8_t>(c >> 8);
    rgb[2] = static_cast<uint8_t>(c >> 16);
}

// Counts the pixels of a grab of the whole client area that differ from the framebuffer.
int mismatches(const std::vector<uint8_t>& grab, int width, int height) {
    int bad = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            uint8_t want[3];
            expected_rgb(x, y, want);
            const uint8_t* got = &grab[(static_cast<size_t>(y) * width + x) * 3];
            bad += (got[0] != want[0] || got[1] != want[1] || got[2] != want[2]);
        }
    }
    return bad;
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
    Sleep(300); // the display thread presents marked rows every 10 ms or so
    const RECT r = client_on_screen(window);
    ASSERT_EQ(r.right - r.left, 640);
    ASSERT_EQ(r.bottom - r.top, 480);
    const std::string grab =
        "/tmp/qzgfx-text-print-" + std::to_string(GetCurrentProcessId()) + ".rgb";
    ASSERT_EQ(0, run_unix(grab_command(r, grab), true));
    const std::vector<uint8_t> pixels = read_grab(grab);
    ASSERT_EQ(pixels.size(), 640u * 480u * 3u);
    EXPECT_EQ(0, mismatches(pixels, 640, 480));
    // The text is really there: the cell of "T" holds the yellow of colour 14 on blue.
    int text_pixels = 0;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 8; ++x) {
            text_pixels += gfx_context->visible_buffer[y * 640 + x] == 14;
        }
    }
    EXPECT_GT(text_pixels, 10);
    DeleteFileA(("Z:" + grab).c_str());
}

TEST_F(TextWindow, LineInputReadsTypedKeysBehindABlockCursor) {
    ASSERT_EQ(0, run_unix("/usr/bin/xdotool search --sync --name '" + std::string(TITLE) +
                              "' windowfocus --sync",
                          true));
    rt_locate(10, 1);
    rt_print("Name: ", 6, 0);
    const RECT r = client_on_screen(window);
    const std::string grab =
        "/tmp/qzgfx-text-input-" + std::to_string(GetCurrentProcessId()) + ".rgb";
    // Typed while the line editor waits: three letters, a backspace, a look at the window, Enter.
    ASSERT_EQ(0, run_unix("sleep 1; /usr/bin/xdotool type --delay 80 abx; /usr/bin/xdotool key "
                          "BackSpace; sleep 0.5; " +
                              grab_command(r, grab) + "; /usr/bin/xdotool key Return",
                          false));
    char line[32];
    ASSERT_EQ(line, rt_line_input(line, sizeof line));
    EXPECT_STREQ(line, "ab");

    const std::vector<uint8_t> pixels = read_grab(grab);
    ASSERT_EQ(pixels.size(), static_cast<size_t>(r.right - r.left) * (r.bottom - r.top) * 3u);
    const int width = r.right - r.left;
    // Row 10, columns 9 and 10: the block where "x" was, then the blank that covered the old block.
    const uint32_t white = gfx_context->palette[15];
    for (int y = 9 * 16; y < 10 * 16; ++y) {
        for (int x = 8 * 8; x < 9 * 8; ++x) {
            const uint8_t* p = &pixels[(static_cast<size_t>(y) * width + x) * 3];
            ASSERT_EQ(p[0] | p[1] << 8 | p[2] << 16, static_cast<int>(white)) << x << ", " << y;
        }
        for (int x = 9 * 8; x < 10 * 8; ++x) {
            const uint8_t* p = &pixels[(static_cast<size_t>(y) * width + x) * 3];
            ASSERT_EQ(p[0] | p[1] << 8 | p[2] << 16, static_cast<int>(gfx_context->palette[0]))
                << x << ", " << y;
        }
    }
    EXPECT_EQ(rt_screen_cell(7, 10, 0), 'a');
    EXPECT_EQ(rt_screen_cell(8, 10, 0), 'b');
    EXPECT_EQ(rt_screen_cell(9, 10, 0), ' ');
    DeleteFileA(("Z:" + grab).c_str());
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
