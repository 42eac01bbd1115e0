// What the drawing benchmarks share: the random work every contender does (one fixed seed), the
// canvases of the two peers, and the registration of a case under BM_<who>/<case>/<depth>.
#pragma once

#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

constexpr int CANVAS_W = 640;
constexpr int CANVAS_H = 480;

struct BenchLine {
    int x1, y1, x2, y2;
    uint32_t rgb;  // 0x00RRGGBB
    uint8_t index; // the palette index at 8 bits
};

struct BenchBox {
    int x1, y1, x2, y2; // corners, inclusive
    uint32_t rgb;
    uint8_t index;
};

struct BenchCircle {
    int x, y, r;
    uint32_t rgb;
    uint8_t index;
};

// The work of every case, the same for every contender.
struct DrawWork {
    std::vector<BenchLine> lines;     // 1000 lines anywhere on the canvas
    std::vector<BenchBox> boxes;      // 1000 boxes of 1 to 32 pixels a side
    std::vector<BenchCircle> circles; // 1000 circles of radius 1 to 100, wholly on the canvas
    std::vector<BenchBox> obstacles;  // 200 boxes of 4 to 40 pixels for the flood fill
    int seed_x, seed_y;               // where the flood fill starts: on no obstacle
};

const DrawWork& draw_work();

// The flood fill's colours: obstacles in the border colour; fills alternate between two colours.
constexpr uint32_t FILL_BORDER_RGB = 0x00FFFFFF;
constexpr uint8_t FILL_BORDER_INDEX = 15;
constexpr uint32_t FILL_RGB[2] = {0x00204080, 0x00804020};
constexpr uint8_t FILL_INDEX[2] = {1, 4};

// A software SDL2 renderer over a surface of the canvas size and depth (8: paletted).
struct SdlCanvas {
    SDL_Surface* surface = nullptr;
    SDL_Renderer* renderer = nullptr;
    explicit SdlCanvas(int depth);
    ~SdlCanvas();
    SdlCanvas(const SdlCanvas&) = delete;
    SdlCanvas& operator=(const SdlCanvas&) = delete;
    // The colour as SDL_FillRect takes it.
    uint32_t mapped(uint32_t rgb, uint8_t index) const;
};

// The bytes of one canvas frame at the depth.
inline int64_t frame_bytes(int depth) { return int64_t{CANVAS_W} * CANVAS_H * (depth / 8); }

// Registers a case under the name BM_<who>/<case>/<depth>, timed in microseconds.
void register_draw_case(const std::string& who, const std::string& name, int depth,
                        std::function<void(benchmark::State&, int)> run);

// The depths every case runs at.
constexpr int BENCH_DEPTHS[2] = {8, 32};
