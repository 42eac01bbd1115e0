// Shared pieces of the text tests: windowless screens, a reading of what one text cell shows and
// an independent drawing of glyphs bit by bit.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "gfx/core/pages.h"
#include "gfx/core/palette.h"
#include "gfx/core/pixel.h"
#include "gfx/text/text.h"
#include "rt/rt.h"
#include "screen_test_support.h"

// Opens numbered mode `mode` (with `depth` for modes above 13) on the Null driver.
inline bool open_null_mode(int mode, int depth = 0) {
    return gfx_screen(mode, depth, 1, SCREEN_NULL, 0) == 0 && gfx_context != nullptr;
}

// The pixel value at (x, y) of page p.
inline uint32_t page_pixel(int p, int x, int y) {
    const GfxContext* ctx = gfx_context;
    const uint8_t* at = ctx->pages[p] + static_cast<size_t>(y) * ctx->pitch +
                        static_cast<size_t>(x) * ctx->bytes_per_pixel;
    uint32_t v = 0;
    std::memcpy(&v, at, static_cast<size_t>(ctx->bytes_per_pixel));
    return v;
}

// Whether the cell at 0-based (column, row) of page 0 shows character c in fg on bg, read from
// the glyph bits directly; on failure, says which pixel differs.
inline ::testing::AssertionResult cell_shows(int column, int row, uint8_t c, uint32_t fg,
                                             uint32_t bg) {
    const GfxContext* ctx = gfx_context;
    const FontInfo* f = ctx->font;
    for (int r = 0; r < f->height; ++r) {
        const uint8_t bits = f->glyphs[c * f->height + r];
        for (int b = 0; b < f->width; ++b) {
            const uint32_t want = ((bits >> b) & 1) ? fg : bg;
            const int x = column * f->width + b;
            const int y = row * f->height + r;
            const uint32_t got = page_pixel(0, x, y);
            if (got != want) {
                return ::testing::AssertionFailure()
                       << "cell (" << column << ", " << row << ") char " << int(c) << ": pixel ("
                       << x << ", " << y << ") is " << got << ", want " << want;
            }
        }
    }
    return ::testing::AssertionSuccess();
}

// The characters of text row `row` (0-based) of the work page's cells.
inline std::string cell_row(int row) {
    const GfxContext* ctx = gfx_context;
    std::string s;
    for (int x = 0; x < ctx->text_w; ++x) {
        s.push_back(static_cast<char>(ctx->text_pages[ctx->work_page][row * ctx->text_w + x].code));
    }
    return s;
}

// The cells of a row with trailing blanks dropped.
inline std::string trimmed_row(int row) {
    std::string s = cell_row(row);
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
}

// Prints a C string through the runtime's print statement.
inline void say(const std::string& text, int flags = 0) {
    rt_print(text.data(), static_cast<int>(text.size()), flags);
}

// A screen test that also clears the runtime's text view and error at both ends.
class TextTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        rt_set_view_rows(0, 0);
        rt_set_error(0);
    }
    void TearDown() override {
        ScreenTest::TearDown();
        rt_set_view_rows(0, 0);
    }
};
