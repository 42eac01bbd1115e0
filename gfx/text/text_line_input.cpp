// Reading one line on a graphics screen, echoed in the screen's font behind a block cursor.
#include "gfx/core/context.h"
#include "gfx/input/input.h"
#include "gfx/text/text.h"
#include "rt/rt.h"

namespace {

constexpr char BLOCK = static_cast<char>(219);
constexpr int KEY_BACKSPACE = 8;
constexpr int KEY_ENTER = 13;
constexpr int KEY_DELETE = 127;

// Prints length bytes at the cursor.
void echo(const char* text, int length) { gfx_text_print(text, length, 0); }

// Whether the print just made filled the bottom-right cell; the cursor then already stands on
// that cell, and the held-back line feed is dropped so that the next character lands there too.
bool took_last_cell() {
    GfxContext* ctx = gfx_context;
    if (ctx->flags & CTX_PENDING_NEWLINE) {
        ctx->flags &= ~CTX_PENDING_NEWLINE;
        return true;
    }
    return false;
}

// Shows the block at the cursor without moving past it.
void show_block() {
    echo(&BLOCK, 1);
    if (!took_last_cell()) {
        gfx_text_back_one();
    }
}

// Takes back the last character: the cursor steps onto it, the block moves there and a space
// covers the old block; at the very start of the screen only the block is drawn.
void rub_out() {
    gfx_text_back_one();
    GfxContext* ctx = gfx_context;
    if (ctx->cursor_y < 0) {
        ctx->cursor_x = 0;
        ctx->cursor_y = 0;
        show_block();
        return;
    }
    const char block_and_space[2] = {BLOCK, ' '};
    echo(block_and_space, 2);
    if (!took_last_cell()) {
        gfx_text_back_one();
    }
    gfx_text_back_one();
}

// Whether a key code is a character that the line stores and shows: not an extended key, and
// not a control key such as Tab, Escape or Ctrl with a letter.
bool is_printable(int key) { return key >= 32 && key <= 255 && key != KEY_DELETE; }

// Covers the block with a space and leaves the cursor on that cell.
void hide_block() {
    echo(" ", 1);
    if (!took_last_cell()) {
        gfx_text_back_one();
    }
}

} // namespace

// Reads keys into buffer until Enter, keeping at most size - 1 printable characters and a
// terminating zero. Enter, when there is room, is kept as character 13 and sends the cursor back
// to column 1. A close request ends the line as it stands and is put back for the program's next
// key read. Returns buffer; null with no screen open, or for a missing buffer (runtime error 1).
char* gfx_text_line_input(char* buffer, int size) {
    if (!gfx_context) {
        return nullptr;
    }
    if (!buffer || size < 1) {
        rt_set_error(RT_ERR_ILLEGAL_CALL);
        return nullptr;
    }
    show_block();
    int stored = 0;
    for (;;) {
        const int key = gfx_getkey();
        if (key == CLOSE_KEY_CODE) {
            gfx_unread_key(key);
            hide_block();
            break;
        }
        if (key == KEY_BACKSPACE) {
            if (stored > 0) {
                --stored;
                rub_out();
            }
            continue;
        }
        if (key == KEY_ENTER) {
            if (stored < size - 1) {
                hide_block();
                const char c = static_cast<char>(key);
                buffer[stored++] = c;
                echo(&c, 1);
            }
            break;
        }
        if (!is_printable(key) || stored >= size - 1) {
            continue;
        }
        const char c = static_cast<char>(key);
        buffer[stored++] = c;
        echo(&c, 1);
        show_block();
    }
    buffer[stored] = '\0';
    return buffer;
}
