// The console's platform side on Windows: the Win32 console, when the program has one.
#include <windows.h>

#include <cstdint>
#include <cstdio>

#include "rt/platform.h"

// Shows columns by rows of the console. The buffer grows to hold them but never shrinks, so that
// the user's scrollback survives; the window is shrunk first so that it never exceeds the buffer,
// and is kept within the largest window the screen allows.
void rt_platform_console_resize(int columns, int rows) {
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (!GetConsoleScreenBufferInfo(out, &info)) {
        return;
    }
    int buffer_columns = columns;
    int buffer_rows = rows;
    rt_console_buffer_size(info.dwSize.X, info.dwSize.Y, &buffer_columns, &buffer_rows);
    const SMALL_RECT tiny = {0, 0, 0, 0};
    SetConsoleWindowInfo(out, TRUE, &tiny);
    const COORD size = {static_cast<SHORT>(buffer_columns), static_cast<SHORT>(buffer_rows)};
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

// Fills the whole console buffer with blanks in the current attribute and homes the cursor.
void rt_platform_console_clear() {
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (!GetConsoleScreenBufferInfo(out, &info)) {
        return;
    }
    const DWORD cells = static_cast<DWORD>(info.dwSize.X) * static_cast<DWORD>(info.dwSize.Y);
    const COORD origin = {0, 0};
    DWORD written = 0;
    FillConsoleOutputCharacterA(out, ' ', cells, origin, &written);
    FillConsoleOutputAttribute(out, info.wAttributes, cells, origin, &written);
    SetConsoleCursorPosition(out, origin);
}

// Sets the attribute of text written from now on.
void rt_platform_console_colour(int fg, int bg) {
    SetConsoleTextAttribute(GetStdHandle(STD_OUTPUT_HANDLE),
                            static_cast<WORD>((fg & 15) | (bg & 15) << 4));
}

// Reads one cell of the console buffer: its character, or its attribute for a nonzero mode.
int rt_platform_console_cell(int column, int row, int mode) {
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (!GetConsoleScreenBufferInfo(out, &info) || column < 1 || row < 1 ||
        column > info.dwSize.X || row > info.dwSize.Y) {
        return 0;
    }
    const COORD at = {static_cast<SHORT>(column - 1), static_cast<SHORT>(row - 1)};
    DWORD read = 0;
    if (mode == 0) {
        char c = 0;
        ReadConsoleOutputCharacterA(out, &c, 1, at, &read);
        return read == 1 ? static_cast<uint8_t>(c) : 0;
    }
    WORD attribute = 0;
    ReadConsoleOutputAttribute(out, &attribute, 1, at, &read);
    return read == 1 ? (attribute & 0xFF) : 0;
}
