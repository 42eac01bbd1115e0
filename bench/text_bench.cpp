// Times printing a full 640 x 480 screen of 80 x 30 characters in the 8x16 font at depths 8 and
// 32, and scrolling that screen by one text row, beside SDL2_gfx drawing the same 2400
// characters with the same glyphs on an SDL software renderer, and a memset of the bytes the
// print writes.
#include <SDL.h>
#include <SDL2_gfxPrimitives.h>
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "gfx/core/builtin_data.h"
#include "gfx/core/context.h"
#include "gfx/core/screen.h"
#include "gfx/text/text.h"

namespace {

constexpr int WIDTH = 640;
constexpr int HEIGHT = 480;
constexpr int COLUMNS = 80;
constexpr int ROWS = 30;
constexpr int CHARS = COLUMNS * ROWS;

// 2400 printable characters, cycling through the printable ASCII range.
std::vector<char> screen_text() {
    std::vector<char> text(CHARS);
    for (int i = 0; i < CHARS; ++i) {
        text[static_cast<size_t>(i)] = static_cast<char>(33 + i % 94);
    }
    return text;
}

// Opens mode 18 (640 x 480, 80 x 30 in the 8x16 font) at the given depth without a window.
bool open_screen(int depth) { return gfx_screen(18, depth, 1, SCREEN_NULL, 0) == 0; }

// One print of the whole screen from the top-left cell.
void print_screen(benchmark::State& state) {
    const int depth = static_cast<int>(state.range(0));
    if (!open_screen(depth)) {
        state.SkipWithError("cannot open the screen");
        return;
    }
    const std::vector<char> text = screen_text();
    for (auto _ : state) {
        gfx_text_locate(1, 1, -1);
        gfx_text_print(text.data(), CHARS, 0);
        benchmark::DoNotOptimize(gfx_context->pages[0][0]);
    }
    state.SetBytesProcessed(state.iterations() * WIDTH * HEIGHT * (depth / 8));
    gfx_screen(0, 0, 0, 0, 0);
}

// One scroll of the whole text area by one row.
void scroll_screen(benchmark::State& state) {
    const int depth = static_cast<int>(state.range(0));
    if (!open_screen(depth)) {
        state.SkipWithError("cannot open the screen");
        return;
    }
    TextWindow w{};
    for (auto _ : state) {
        gfx_text_scroll(&w, 0, 0, COLUMNS - 1, ROWS - 1, 1);
        benchmark::DoNotOptimize(gfx_context->pages[0][0]);
    }
    state.SetBytesProcessed(state.iterations() * WIDTH * HEIGHT * (depth / 8));
    gfx_screen(0, 0, 0, 0, 0);
}

// The 8x16 glyphs with the leftmost pixel in the top bit, as SDL2_gfx reads a font.
std::vector<unsigned char> peer_font() {
    std::vector<unsigned char> font(256 * 16);
    for (size_t i = 0; i < font.size(); ++i) {
        unsigned char row = FONT_8X16.glyphs[i];
        unsigned char flipped = 0;
        for (int b = 0; b < 8; ++b) {
            flipped = static_cast<unsigned char>(flipped | (((row >> b) & 1) << (7 - b)));
        }
        font[i] = flipped;
    }
    return font;
}

// SDL2_gfx's stringRGBA drawing the same 2400 characters, row by row, on a 32-bit software
// renderer of the same size.
void peer_string_rgba(benchmark::State& state) {
    if (!open_screen(32)) { // decodes the built-in font once
        state.SkipWithError("cannot open the screen");
        return;
    }
    gfx_screen(0, 0, 0, 0, 0);
    SDL_Surface* surface =
        SDL_CreateRGBSurfaceWithFormat(0, WIDTH, HEIGHT, 32, SDL_PIXELFORMAT_RGB888);
    SDL_Renderer* renderer = surface ? SDL_CreateSoftwareRenderer(surface) : nullptr;
    if (!renderer) {
        state.SkipWithError(SDL_GetError());
        return;
    }
    const std::vector<unsigned char> font = peer_font();
    gfxPrimitivesSetFont(font.data(), 8, 16);
    std::vector<char> text = screen_text();
    std::vector<char> line(COLUMNS + 1, '\0');
    for (auto _ : state) {
        for (int r = 0; r < ROWS; ++r) {
            std::memcpy(line.data(), text.data() + r * COLUMNS, COLUMNS);
            stringRGBA(renderer, 0, static_cast<Sint16>(r * 16), line.data(), 255, 255, 255, 255);
        }
        benchmark::DoNotOptimize(surface->pixels);
    }
    state.SetBytesProcessed(state.iterations() * WIDTH * HEIGHT * 4);
    gfxPrimitivesSetFont(nullptr, 8, 8);
    SDL_DestroyRenderer(renderer);
    SDL_FreeSurface(surface);
}

// A memset of the bytes one print of the screen writes: the limit.
void limit_memset(benchmark::State& state) {
    const size_t bytes =
        static_cast<size_t>(WIDTH) * HEIGHT * static_cast<size_t>(state.range(0) / 8);
    std::vector<uint8_t> page(bytes);
    int value = 0;
    for (auto _ : state) {
        std::memset(page.data(), ++value & 0xFF, bytes);
        benchmark::DoNotOptimize(page.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes));
}

BENCHMARK(print_screen)->Name("print")->Arg(8)->Arg(32)->Unit(benchmark::kMicrosecond);
BENCHMARK(scroll_screen)->Name("scroll")->Arg(8)->Arg(32)->Unit(benchmark::kMicrosecond);
BENCHMARK(peer_string_rgba)->Name("sdl2_gfx_stringRGBA")->Unit(benchmark::kMicrosecond);
BENCHMARK(limit_memset)->Name("memset")->Arg(8)->Arg(32)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
