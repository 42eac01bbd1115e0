// A keyboard and mouse tester on mode 12: the last key codes from the key buffer, which keys are
// held down (by scancode), the mouse's position, wheel and buttons, and the display driver that
// shows the screen. Escape ends the program.
#include <qzgfx.h>

#include <cstdio>
#include <cstring>

// Prints a zero-terminated text at row, column in the current colours.
static void print_at(int row, int column, const char* text) {
    rt_locate(row, column);
    rt_print(text, static_cast<int>(std::strlen(text)), 0);
}

// Fills the rectangle (x, y)-(x + w - 1, y + h - 1) of a one-byte-per-pixel screen with colour.
static void fill(int x, int y, int w, int h, uint8_t colour) {
    int pitch = 0;
    gfx_screen_info(nullptr, nullptr, nullptr, &pitch);
    uint8_t* pixels = gfx_screen_lock();
    for (int row = y; row < y + h; ++row) {
        std::memset(pixels + row * pitch + x, colour, static_cast<size_t>(w));
    }
    gfx_screen_unlock(y, y + h - 1);
}

// Prints the driver that opened the screen: the last line of the driver report ("GDI, windowed:
// opened"), without its answer. The lines before it say why earlier drivers refused.
static void print_driver(int row, int column) {
    const char* report = gfx_driver_report();
    const char* last = report;
    for (const char* p = report; *p; ++p) {
        if (p[0] == '\n' && p[1]) {
            last = p + 1;
        }
    }
    const char* answer = std::strstr(last, ": opened");
    const size_t length = answer ? static_cast<size_t>(answer - last) : std::strcspn(last, "\n");
    char line[96];
    std::snprintf(line, sizeof line, "Driver: %.*s", static_cast<int>(length), last);
    print_at(row, column, line);
}

// The keys watched by scancode, each with its label.
struct Watched {
    int scancode;
    const char* label;
};
static const Watched WATCHED[] = {{1, "Esc"},   {57, "Space"}, {28, "Enter"},
                                  {30, "A"},    {42, "Shift"}, {72, "Up"},
                                  {75, "Left"}, {77, "Right"}, {80, "Down"}};

int main(int argc, char** argv) {
    rt_start(argc, argv);
    gfx_window_title(rt_string_temp("qzgfx keyboard and mouse tester", -1));
    if (gfx_screen(12, 0, 1, 0, 0) != 0) { // 640 x 480, 16 colours, text 80 x 30
        return 1;
    }
    rt_color(15, 1);
    rt_cls(RT_CLS_OMITTED);
    print_at(1, 1, "Keyboard and mouse tester - Escape ends");
    print_at(3, 1, "Digits: 0123456789-");
    print_at(5, 1, "Last key code:");
    print_at(6, 1, "Keys read:");
    print_at(8, 1, "Mouse x:");
    print_at(9, 1, "Mouse y:");
    print_at(10, 1, "Buttons:");
    print_at(11, 1, "Wheel:");
    print_at(13, 1, "Held down (scancode state):");
    for (int i = 0; i < static_cast<int>(sizeof WATCHED / sizeof WATCHED[0]); ++i) {
        print_at(15, 1 + i * 8, WATCHED[i].label);
    }
    print_driver(20, 1);

    int last_key = 0, keys_read = 0;
    for (;;) {
        while (gfx_keyhit()) {
            last_key = gfx_getkey(); // a character, or (scancode << 8) | 0xFF for extended keys
            ++keys_read;
            if (last_key == 27 || last_key == 0x6BFF) { // Escape, or the window was closed
                return 0;
            }
        }
        int x = -1, y = -1, wheel = -1, buttons = -1;
        gfx_getmouse(&x, &y, &wheel, &buttons); // all -1 while the pointer is outside the window
        char line[32];
        const int values[] = {last_key, keys_read, -1, x, y, buttons, wheel};
        for (int row = 5; row <= 11; ++row) {
            if (row != 7) {
                std::snprintf(line, sizeof line, "%6d", values[row - 5]);
                print_at(row, 16, line);
            }
        }
        // A box under each watched key: green while the key is down, dark grey while it is up.
        for (int i = 0; i < static_cast<int>(sizeof WATCHED / sizeof WATCHED[0]); ++i) {
            fill(i * 64, 16 * 16, 48, 24, rt_multikey(WATCHED[i].scancode) ? 10 : 8);
        }
        gfx_screen_sync();
    }
}
