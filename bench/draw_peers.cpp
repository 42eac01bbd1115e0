// The shared work of the drawing benchmarks, drawn from one fixed seed, and the SDL2 canvas.
#include "bench/draw_peers.h"

#include <random>

namespace {

// A random colour: a palette index 16..254 and a true colour.
void random_colour(std::mt19937& rng, uint32_t* rgb, uint8_t* index) {
    *rgb = rng() & 0x00FFFFFF;
    *index = static_cast<uint8_t>(16 + rng() % 239);
}

// Builds the work once.
DrawWork make_work() {
    std::mt19937 rng(20261210);
    DrawWork w;
    auto uniform = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int i = 0; i < 1000; ++i) {
        BenchLine l{uniform(0, CANVAS_W - 1),
                    uniform(0, CANVAS_H - 1),
                    uniform(0, CANVAS_W - 1),
                    uniform(0, CANVAS_H - 1),
                    0,
                    0};
        random_colour(rng, &l.rgb, &l.index);
        w.lines.push_back(l);
    }
    for (int i = 0; i < 1000; ++i) {
        const int x = uniform(0, CANVAS_W - 33), y = uniform(0, CANVAS_H - 33);
        BenchBox b{x, y, x + uniform(0, 31), y + uniform(0, 31), 0, 0};
        random_colour(rng, &b.rgb, &b.index);
        w.boxes.push_back(b);
    }
    for (int i = 0; i < 1000; ++i) {
        const int r = uniform(1, 100);
        BenchCircle c{uniform(r, CANVAS_W - 1 - r), uniform(r, CANVAS_H - 1 - r), r, 0, 0};
        random_colour(rng, &c.rgb, &c.index);
        w.circles.push_back(c);
    }
    for (int i = 0; i < 200; ++i) {
        const int x = uniform(0, CANVAS_W - 41), y = uniform(0, CANVAS_H - 41);
        w.obstacles.push_back(BenchBox{x, y, x + uniform(3, 39), y + uniform(3, 39),
                                       FILL_BORDER_RGB, FILL_BORDER_INDEX});
    }
    // The first pixel, row by row, that no obstacle covers.
    w.seed_x = 0;
    w.seed_y = 0;
    for (int y = 0; y < CANVAS_H; ++y) {
        for (int x = 0; x < CANVAS_W; ++x) {
            bool covered = false;
            for (const BenchBox& o : w.obstacles) {
                covered = covered || (x >= o.x1 && x <= o.x2 && y >= o.y1 && y <= o.y2);
            }
            if (!covered) {
                w.seed_x = x;
                w.seed_y = y;
                return w;
            }
        }
    }
    return w;
}

} // namespace

const DrawWork& draw_work() {
    static const DrawWork work = make_work();
    return work;
}

// A surface in the canvas format with a software renderer drawing on it; at 8 bits the surface
// gets a palette whose entry i is the colour the library's 8-bit screens show for index i.
SdlCanvas::SdlCanvas(int depth) {
    const Uint32 format = depth == 8 ? SDL_PIXELFORMAT_INDEX8 : SDL_PIXELFORMAT_RGB888;
    surface = SDL_CreateRGBSurfaceWithFormat(0, CANVAS_W, CANVAS_H, depth, format);
    if (surface && depth == 8) {
        SDL_Color colours[256];
        for (int i = 0; i < 256; ++i) {
            colours[i] = SDL_Color{static_cast<Uint8>(i), static_cast<Uint8>(i * 7),
                                   static_cast<Uint8>(i * 13), 255};
        }
        SDL_SetPaletteColors(surface->format->palette, colours, 0, 256);
    }
    renderer = surface ? SDL_CreateSoftwareRenderer(surface) : nullptr;
}

SdlCanvas::~SdlCanvas() {
    if (renderer) {
        SDL_DestroyRenderer(renderer);
    }
    if (surface) {
        SDL_FreeSurface(surface);
    }
}

uint32_t SdlCanvas::mapped(uint32_t rgb, uint8_t index) const {
    return surface->format->BytesPerPixel == 1 ? index : rgb;
}

void register_draw_case(const std::string& who, const std::string& name, int depth,
                        std::function<void(benchmark::State&, int)> run) {
    const std::string full = "BM_" + who + "/" + name + "/" + std::to_string(depth);
    benchmark::RegisterBenchmark(full.c_str(), [run, depth](benchmark::State& state) {
        run(state, depth);
    })->Unit(benchmark::kMicrosecond);
}
