// Times the drawing operations on windowless 640 x 480 screens at 8 and 32 bits beside SDL2 with
// SDL2_gfx on a software renderer (and Allegro 4, draw_peer_allegro.cpp), on the same random work,
// and memset of the frame as the limit (other draw_bench*.cpp files add their cases with
// register_draw_case at static initialisation):
//   lines          1000 lines                     boxes       1000 small filled boxes
//   full_box       one filled box over the frame  circles     1000 circles of radius 1..100
//   filled_circles 1000 filled circles            flood_fill  the whole frame around 200 boxes
#include <SDL2_gfxPrimitives.h>
#include <qzgfx.h>

#include <cstring>

#include "bench/draw_peers.h"
#include "gfx/core/context.h"

namespace {

// Opens the library's windowless screen of the canvas size at the depth.
bool open_screen(int depth) {
    return gfx_screen_res(CANVAS_W, CANVAS_H, depth, 1, SCREEN_NULL, 0) == 0;
}

// The colour the library takes at the depth.
uint32_t colour(int depth, uint32_t rgb, uint8_t index) { return depth == 8 ? index : rgb; }

// Runs `draw` once per iteration on the library's screen after `setup`, reporting the frame's
// bytes.
template <typename Draw, typename Setup>
void run_library(benchmark::State& state, int depth, Draw draw, Setup setup) {
    if (!open_screen(depth)) {
        state.SkipWithError("cannot open the screen");
        return;
    }
    setup();
    for (auto _ : state) {
        draw();
        benchmark::DoNotOptimize(gfx_context->pages[0][0]);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * frame_bytes(depth));
    gfx_screen(0, 0, 0, 0, 0);
}

template <typename Draw>
void run_library(benchmark::State& state, int depth, Draw draw) {
    run_library(state, depth, draw, [] {});
}

// Draws the flood fill's obstacles on the library's screen.
void library_obstacles(int depth) {
    for (const BenchBox& o : draw_work().obstacles) {
        gfx_line(static_cast<float>(o.x1), static_cast<float>(o.y1), static_cast<float>(o.x2),
                 static_cast<float>(o.y2), colour(depth, o.rgb, o.index), GFX_BOX_FILLED,
                 GFX_STYLE_SOLID, 0);
    }
}

void register_library() {
    for (int depth : BENCH_DEPTHS) {
        register_draw_case("Draw", "lines", depth, [](benchmark::State& s, int d) {
            run_library(s, d, [d] {
                for (const BenchLine& l : draw_work().lines) {
                    gfx_line(static_cast<float>(l.x1), static_cast<float>(l.y1),
                             static_cast<float>(l.x2), static_cast<float>(l.y2),
                             colour(d, l.rgb, l.index), GFX_LINE, GFX_STYLE_SOLID, 0);
                }
            });
        });
        register_draw_case("Draw", "boxes", depth, [](benchmark::State& s, int d) {
            run_library(s, d, [d] {
                for (const BenchBox& b : draw_work().boxes) {
                    gfx_line(static_cast<float>(b.x1), static_cast<float>(b.y1),
                             static_cast<float>(b.x2), static_cast<float>(b.y2),
                             colour(d, b.rgb, b.index), GFX_BOX_FILLED, GFX_STYLE_SOLID, 0);
                }
            });
        });
        register_draw_case("Draw", "full_box", depth, [](benchmark::State& s, int d) {
            int k = 0;
            run_library(s, d, [d, &k] {
                ++k;
                gfx_line(0, 0, CANVAS_W - 1, CANVAS_H - 1,
                         colour(d, 0x00102030u + static_cast<uint32_t>(k & 0xFF),
                                static_cast<uint8_t>(k)),
                         GFX_BOX_FILLED, GFX_STYLE_SOLID, 0);
            });
        });
        register_draw_case("Draw", "circles", depth, [](benchmark::State& s, int d) {
            run_library(s, d, [d] {
                for (const BenchCircle& c : draw_work().circles) {
                    gfx_circle(static_cast<float>(c.x), static_cast<float>(c.y),
                               static_cast<float>(c.r), colour(d, c.rgb, c.index), GFX_OMITTED,
                               GFX_OMITTED, 1, 0);
                }
            });
        });
        register_draw_case("Draw", "filled_circles", depth, [](benchmark::State& s, int d) {
            run_library(s, d, [d] {
                for (const BenchCircle& c : draw_work().circles) {
                    gfx_circle(static_cast<float>(c.x), static_cast<float>(c.y),
                               static_cast<float>(c.r), colour(d, c.rgb, c.index), GFX_OMITTED,
                               GFX_OMITTED, 1, GFX_CIRCLE_FILLED);
                }
            });
        });
        register_draw_case("Draw", "flood_fill", depth, [](benchmark::State& s, int d) {
            const DrawWork& w = draw_work();
            const uint32_t border = colour(d, FILL_BORDER_RGB, FILL_BORDER_INDEX);
            int k = 0;
            run_library(
                s, d,
                [&] {
                    k ^= 1;
                    gfx_paint(static_cast<float>(w.seed_x), static_cast<float>(w.seed_y),
                              colour(d, FILL_RGB[k], FILL_INDEX[k]), border, 0);
                },
                [d] { library_obstacles(d); });
        });
    }
}

// Runs `draw` once per iteration on an SDL canvas.
template <typename Draw>
void run_sdl(benchmark::State& state, int depth, Draw draw) {
    SdlCanvas canvas(depth);
    if (!canvas.renderer) {
        state.SkipWithError(SDL_GetError());
        return;
    }
    for (auto _ : state) {
        draw(canvas);
        benchmark::DoNotOptimize(canvas.surface->pixels);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * frame_bytes(depth));
}

// SDL2_gfx takes colours as 0xAABBGGRR.
Uint32 gfx_colour(uint32_t rgb) {
    return 0xFF000000u | ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

void register_sdl() {
    for (int depth : BENCH_DEPTHS) {
        register_draw_case("SDL2", "lines", depth, [](benchmark::State& s, int d) {
            run_sdl(s, d, [](SdlCanvas& c) {
                for (const BenchLine& l : draw_work().lines) {
                    lineColor(c.renderer, static_cast<Sint16>(l.x1), static_cast<Sint16>(l.y1),
                              static_cast<Sint16>(l.x2), static_cast<Sint16>(l.y2),
                              gfx_colour(l.rgb));
                }
            });
        });
        register_draw_case("SDL2", "boxes", depth, [](benchmark::State& s, int d) {
            run_sdl(s, d, [](SdlCanvas& c) {
                for (const BenchBox& b : draw_work().boxes) {
                    SDL_Rect r{b.x1, b.y1, b.x2 - b.x1 + 1, b.y2 - b.y1 + 1};
                    SDL_FillRect(c.surface, &r, c.mapped(b.rgb, b.index));
                }
            });
        });
        register_draw_case("SDL2", "full_box", depth, [](benchmark::State& s, int d) {
            int k = 0;
            run_sdl(s, d, [&k](SdlCanvas& c) {
                ++k;
                SDL_FillRect(c.surface, nullptr,
                             c.mapped(0x00102030u + static_cast<uint32_t>(k & 0xFF),
                                      static_cast<uint8_t>(k)));
            });
        });
        register_draw_case("SDL2", "circles", depth, [](benchmark::State& s, int d) {
            run_sdl(s, d, [](SdlCanvas& c) {
                for (const BenchCircle& e : draw_work().circles) {
                    circleColor(c.renderer, static_cast<Sint16>(e.x), static_cast<Sint16>(e.y),
                                static_cast<Sint16>(e.r), gfx_colour(e.rgb));
                }
            });
        });
        register_draw_case("SDL2", "filled_circles", depth, [](benchmark::State& s, int d) {
            run_sdl(s, d, [](SdlCanvas& c) {
                for (const BenchCircle& e : draw_work().circles) {
                    filledCircleColor(c.renderer, static_cast<Sint16>(e.x),
                                      static_cast<Sint16>(e.y), static_cast<Sint16>(e.r),
                                      gfx_colour(e.rgb));
                }
            });
        });
    }
}

// memset of one frame: the limit for anything that writes the whole frame.
void register_memset() {
    for (int depth : BENCH_DEPTHS) {
        const std::string name = "BM_Memset/" + std::to_string(depth);
        benchmark::RegisterBenchmark(name.c_str(), [depth](benchmark::State& state) {
            std::vector<uint8_t> frame(static_cast<size_t>(frame_bytes(depth)));
            int value = 0;
            for (auto _ : state) {
                std::memset(frame.data(), ++value & 0xFF, frame.size());
                benchmark::DoNotOptimize(frame.data());
                benchmark::ClobberMemory();
            }
            state.SetBytesProcessed(state.iterations() * frame_bytes(depth));
        })->Unit(benchmark::kMicrosecond);
    }
}

} // namespace

int main(int argc, char** argv) {
    register_library();
    register_sdl();
    register_memset();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
