// The console's platform side on Windows: the Win32 console, when the program has one.
#include <windows.h>

#include <cstdio>

#include "rt/platform.h"

// Resizes the console's buffer and window to columns by rows. The window is shrunk first so
// that it never exceeds the buffer, and is kept within the largest window the screen allows.
void rt_platform_console_resize(int columns, int rows) {
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (!GetConsoleScreenBufferInfo(out, &info)) {
        return;
    }
    const SMALL_RECT tiny = {0, 0, 0, 0};
    SetConsoleWindowInfo(out, TRUE, &tiny);
    const COORD size = {static_cast<SHORT>(columns), static_cast<SHORT>(rows)};
    SetConsoleScreenBufferSize(out, size);
    const COORD largest = GetLargestConsoleWindowSize(out);
    const SHORT width = static_cast<SHORT>(columns < largest.X ? columns : largest.X);
    const SHORT height = static_cast<SHORT>(rows < largest.Y ? rows : largest.Y);
    const SMALL_RECT window = {0, 0, static_cast<SHORT>(width - 1), static_cast<SHORT>(height - 1)};
    SetConsoleWindowInfo(out, TRUE, &window);
}

// Moves the console's cursor; a program without a console is left alone.
void rt_platform_console_move_cursor(int row, int column) {
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (!GetConsoleScreenBufferInfo(out, &info)) {
        return;
    }
    const COORD at = {static_cast<SHORT>(column - 1), static_cast<SHORT>(row - 1)};
    SetConsoleCursorPosition(out, at);
}

// The system's simple beep, which does not block.
void rt_platform_beep() { MessageBeep(0xFFFFFFFF); }

// Waits for a key press on the console's input; with redirected input, for its next byte.
void rt_platform_wait_key() {
    HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
    DWORD mode = 0;
    if (!GetConsoleMode(in, &mode)) {
        std::fgetc(stdin);
        return;
    }
    INPUT_RECORD record;
    DWORD read = 0;
    while (ReadConsoleInputA(in, &record, 1, &read) && read == 1) {
        if (record.EventType == KEY_EVENT && record.Event.KeyEvent.bKeyDown) {
            return;
        }
    }
}
