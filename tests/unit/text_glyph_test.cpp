// The glyph drawing against a plain bit-by-bit drawing through put_pixel, at every depth, and
// the drawn cells against the glyph bits read directly.
#include <random>

#include "gfx/core/builtin_data.h"
#include "gfx/core/cpu_isa.h"
#include "text_test_support.h"

namespace {

// Draws count glyphs at cell (x, y) with one put_pixel per bit: the plain drawing the fast one
// must match.
void draw_per_bit(int x, int y, const uint8_t* bytes, int count) {
    const GfxContext* ctx = gfx_context;
    const FontInfo* f = ctx->font;
    for (int i = 0; i < count; ++i) {
        for (int r = 0; r < f->height; ++r) {
            const uint8_t bits = f->glyphs[bytes[i] * f->height + r];
            for (int b = 0; b < f->width; ++b) {
                put_pixel((x + i) * f->width + b, y * f->height + r,
                          ((bits >> b) & 1) ? ctx->fg_colour : ctx->bg_colour);
            }
        }
    }
}

// The vector levels the glyph copies are built for; each round of a test runs at one of them.
const CpuIsa VECTOR_LEVELS[] = {CpuIsa::SCALAR, CpuIsa::SSE2, CpuIsa::AVX2};

// Caps the vector level for one scope.
struct IsaLimit {
    explicit IsaLimit(CpuIsa limit) { cpu_limit_isa(limit); }
    ~IsaLimit() { cpu_limit_isa(CpuIsa::AVX512_VBMI); }
};

struct GlyphCase {
    int mode;
    int depth;
    int columns; // 0: the mode's own text size
    int rows;
};

class GlyphDrawing : public TextTest, public ::testing::WithParamInterface<GlyphCase> {};

// Random runs of random characters in random colours at random cells, drawn once by the library
// (at each vector level in turn) and once bit by bit on a second page, give the same bytes on the
// whole page.
TEST_P(GlyphDrawing, EveryPixelEqualsThePerBitDrawing) {
    const GlyphCase c = GetParam();
    ASSERT_TRUE(gfx_screen(c.mode, c.depth, 2, SCREEN_NULL, 0) == 0);
    if (c.columns || c.rows) {
        gfx_text_width(c.columns, c.rows);
    }
    GfxContext* ctx = gfx_context;
    std::mt19937 rng(static_cast<unsigned>(c.mode * 100 + c.depth + c.rows));
    const size_t page_bytes = static_cast<size_t>(ctx->height) * ctx->pitch;
    for (int round = 0; round < 90; ++round) {
        const IsaLimit limit(VECTOR_LEVELS[round % 3]);
        ctx->fg_colour = static_cast<uint32_t>(rng()) & ctx->colour_mask;
        ctx->bg_colour = static_cast<uint32_t>(rng()) & ctx->colour_mask;
        uint8_t bytes[80];
        const int count = 1 + static_cast<int>(rng() % std::min<unsigned>(80, ctx->text_w));
        for (int i = 0; i < count; ++i) {
            bytes[i] = static_cast<uint8_t>(rng());
        }
        TextWindow w{};
        w.x = static_cast<int>(rng() % static_cast<unsigned>(ctx->text_w - count + 1));
        w.y = static_cast<int>(rng() % static_cast<unsigned>(ctx->text_h));

        gfx_text_draw_chars(&w, bytes, count);
        gfx_screen_set(1, -1);
        draw_per_bit(w.x, w.y, bytes, count);
        gfx_screen_set(0, -1);
        ASSERT_EQ(std::memcmp(ctx->pages[0], ctx->pages[1], page_bytes), 0)
            << "round " << round << ", level " << static_cast<int>(cpu_isa()) << ", at cell " << w.x
            << ", " << w.y;
        EXPECT_EQ(w.dirty_first, w.y * ctx->font->height);
        EXPECT_EQ(w.dirty_end, (w.y + 1) * ctx->font->height);
    }
}

INSTANTIATE_TEST_SUITE_P(AllDepthsAndFonts, GlyphDrawing,
                         ::testing::Values(GlyphCase{11, 0, 0, 0},    // 1 bit, 8x16
                                           GlyphCase{1, 0, 0, 0},     // 2 bits, 8x8
                                           GlyphCase{9, 0, 0, 0},     // 4 bits, 8x14
                                           GlyphCase{13, 0, 0, 0},    // 8 bits, 8x8
                                           GlyphCase{18, 8, 0, 0},    // 8 bits, 8x16
                                           GlyphCase{18, 16, 0, 0},   // 16 bits
                                           GlyphCase{18, 32, 0, 0},   // 32 bits
                                           GlyphCase{17, 32, 0, 28},  // 32 bits, 8x14
                                           GlyphCase{14, 16, 0, 0})); // 16 bits, 8x8

// The drawn cells hold the characters and colours, and read back through the cell statement.
TEST_F(TextTest, DrawnCharactersLandInTheirTextCells) {
    ASSERT_TRUE(open_null_mode(18, 32));
    GfxContext* ctx = gfx_context;
    ctx->fg_colour = 0x00123456;
    ctx->bg_colour = 0x00654321;
    const uint8_t bytes[3] = {'Q', 200, 0};
    TextWindow w{};
    w.x = 77;
    w.y = 29;
    gfx_text_draw_chars(&w, bytes, 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(cell_shows(77 + i, 29, bytes[i], 0x00123456, 0x00654321));
        EXPECT_EQ(rt_screen_cell(78 + i, 30, 0), bytes[i]);
        EXPECT_EQ(static_cast<uint32_t>(rt_screen_cell(78 + i, 30, 1)), 0x00123456u);
        EXPECT_EQ(static_cast<uint32_t>(rt_screen_cell(78 + i, 30, 2)), 0x00654321u);
    }
}

// A block of cells reaching past an image target's edge is clipped pixel by pixel there.
TEST_F(TextTest, CellsPastTheTargetEdgeAreClippedNotWrittenBeyondIt) {
    ASSERT_TRUE(open_null_mode(13));
    GfxContext* ctx = gfx_context;
    const int w = 20;
    const int h = 10;
    std::vector<uint8_t> image(sizeof(ImageBuffer) + w * h + 16, 0xEE);
    auto* img = reinterpret_cast<ImageBuffer*>(image.data());
    img->width = static_cast<int16_t>(w << 3);
    img->height = static_cast<int16_t>(h);
    std::fill(img->data(), img->data() + w * h, 0);
    gfx_set_target(img);
    ctx->fg_colour = 9;
    ctx->bg_colour = 1;
    const uint8_t bytes[3] = {219, 219, 219}; // full blocks: every pixel of the cell is fg
    TextWindow win{};
    win.x = 1;
    win.y = 0;
    gfx_text_draw_chars(&win, bytes, 3);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            EXPECT_EQ(img->data()[y * w + x], (x >= 8 && y < 8) ? 9 : 0) << x << ", " << y;
        }
    }
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(img->data()[w * h + i], 0xEE);
    }
    gfx_set_target(nullptr);
}

} // namespace
