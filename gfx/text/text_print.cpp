// Printing on a graphics screen: control characters, wrapping at the right edge, scrolling at the
// bottom of the text view, and the line feed held back after the bottom-right cell.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "gfx/core/context.h"
#include "gfx/core/pages.h"
#include "gfx/text/text.h"
#include "gfx/text/text_rows.h"
#include "rt/rt.h"

namespace {

constexpr int PENDING_BYTES = 256;
constexpr int TAB_WIDTH = 8;

// Scrolls the window when its cursor row has passed the bottom row.
void scroll_if_below(TextWindow& w) {
    if (w.y > w.bottom) {
        w.scroll(&w, w.left, w.top, w.right, w.bottom, w.y - w.bottom);
    }
}

// Draws n pending bytes from the cursor on, wrapping at the right edge; a row below the bottom
// scrolls before anything is drawn on it.
void draw_pending(TextWindow& w, const uint8_t* bytes, int n) {
    int done = 0;
    while (done < n) {
        scroll_if_below(w);
        const int fit = std::min(n - done, w.right - w.x + 1);
        w.draw(&w, bytes + done, fit);
        done += fit;
        w.x += fit;
        if (w.x > w.right) {
            w.x = w.left;
            ++w.y;
        }
    }
}

// The column at which the cursor will stand once n pending bytes are drawn.
int column_after(const TextWindow& w, int n) {
    const int width = w.right - w.left + 1;
    return w.left + (w.x - w.left + n) % width;
}

// Whether byte c acts on the cursor instead of being drawn.
constexpr bool is_control(uint8_t c) { return c == 7 || c == 8 || c == 9 || c == 10 || c == 13; }

// The number of bytes from text on, at most length, before the first control character. Eight
// bytes are looked at together while none of them lies below 14, where all control characters lie.
int printable_run(const uint8_t* text, int length) {
    constexpr uint64_t ONES = 0x0101010101010101ull;
    constexpr uint64_t HIGH_BITS = 0x8080808080808080ull;
    int run = 0;
    for (; run + 8 <= length; run += 8) {
        uint64_t v = 0;
        std::memcpy(&v, text + run, sizeof v);
        if (((v - ONES * 14) & ~v & HIGH_BITS) != 0) { // some byte is below 14
            break;
        }
    }
    while (run < length && !is_control(text[run])) {
        ++run;
    }
    return run;
}

// One pass over the text: printable bytes are gathered and drawn in runs, control characters
// act on the cursor.
void print_engine(TextWindow& w, const uint8_t* text, int length) {
    uint8_t pending[PENDING_BYTES];
    int n = 0;
    auto flush = [&] {
        draw_pending(w, pending, n);
        n = 0;
    };
    int i = 0;
    while (i < length) {
        int run = printable_run(text + i, length - i);
        while (run > 0) {
            if (n == PENDING_BYTES) {
                flush();
            }
            const int take = std::min(run, PENDING_BYTES - n);
            std::memcpy(pending + n, text + i, static_cast<size_t>(take));
            n += take;
            i += take;
            run -= take;
        }
        if (i == length) {
            break;
        }
        switch (text[i++]) {
        case 7:
            rt_beep();
            break;
        case 8:
            flush();
            if (w.x > w.left) {
                --w.x;
            }
            break;
        case 9: {
            const int spaces = TAB_WIDTH - (column_after(w, n) - w.left) % TAB_WIDTH;
            for (int s = 0; s < spaces; ++s) {
                if (n == PENDING_BYTES) {
                    flush();
                }
                pending[n++] = ' ';
            }
            break;
        }
        case 10:
            flush();
            w.x = w.left;
            ++w.y;
            break;
        default: // 13
            flush();
            w.x = w.left;
            break;
        }
    }
    if (n > 0) {
        flush();
    } else {
        scroll_if_below(w);
    }
}

} // namespace

// Prints length bytes at the cursor (flags bit 3 runs even for no bytes, which carries out a
// pending line feed; bit 0 ends the line after them, also after no bytes), then stores the cursor and marks the rows
// drawn on.
void gfx_text_print(const char* text, int length, int flags) {
    GfxContext* ctx = gfx_context;
    if (!ctx || !ctx->font || ctx->text_w <= 0 || ctx->text_h <= 0) {
        return;
    }
    if (!text || length < 0) {
        length = 0;
    }
    if (length == 0 && !(flags & (RT_PRINT_EVEN_IF_EMPTY | RT_PRINT_NEWLINE))) {
        return;
    }
    gfx_set_target(nullptr);
    GfxLockGuard lock(ctx);

    TextWindow w{};
    w.scroll = gfx_text_scroll;
    w.draw = gfx_text_draw_chars;
    w.left = 0;
    w.right = ctx->text_w - 1;
    gfx_text_view_rows(ctx, &w.top, &w.bottom);
    w.x = std::clamp(ctx->cursor_x, w.left, w.right);
    w.y = std::max(ctx->cursor_y, 0);

    if (ctx->flags & CTX_PENDING_NEWLINE) {
        ctx->flags &= ~CTX_PENDING_NEWLINE;
        w.x = w.left;
        ++w.y;
        scroll_if_below(w);
    }
    print_engine(w, reinterpret_cast<const uint8_t*>(text), length);
    if (flags & RT_PRINT_NEWLINE) {
        static const uint8_t LINE_END[2] = {13, 10};
        print_engine(w, LINE_END, 2);
    }
    if (w.x == w.left && w.y == w.bottom + 1) {
        ctx->flags |= CTX_PENDING_NEWLINE;
        w.x = w.right;
        w.y = w.bottom;
    } else {
        scroll_if_below(w);
    }
    ctx->cursor_x = w.x;
    ctx->cursor_y = w.y;
    gfx_text_mark_dirty(ctx, w.dirty_first, w.dirty_end);
}

// Prints 16-bit text as bytes (see rt_print_wide_through).
void gfx_text_print_wide(const uint16_t* text, int length, int flags) {
    rt_print_wide_through(gfx_text_print, text, length, flags);
}
