// The Allegro 4 contender of the drawing benchmarks: line, rectfill, circle, circlefill and
// floodfill on memory bitmaps made by create_bitmap_ex, with no system driver.
#define ALLEGRO_NO_MAGIC_MAIN
#include <allegro.h>

#include "bench/draw_peers.h"

namespace {

// Starts Allegro once, without a display.
bool allegro_started() {
    static const bool started = install_allegro(SYSTEM_NONE, &errno, atexit) == 0;
    return started;
}

// The colour Allegro takes at the depth: the palette index, or 0x00RRGGBB as makecol32 packs it.
int allegro_colour(int depth, uint32_t rgb, uint8_t index) {
    return depth == 8 ? index
                      : makecol32(static_cast<int>(rgb >> 16), static_cast<int>((rgb >> 8) & 0xFF),
                                  static_cast<int>(rgb & 0xFF));
}

// Runs `draw` once per iteration on a cleared memory bitmap after `setup`.
template <typename Draw, typename Setup>
void run_allegro(benchmark::State& state, int depth, Draw draw, Setup setup) {
    if (!allegro_started()) {
        state.SkipWithError("install_allegro failed");
        return;
    }
    BITMAP* bmp = create_bitmap_ex(depth, CANVAS_W, CANVAS_H);
    if (!bmp) {
        state.SkipWithError("create_bitmap_ex failed");
        return;
    }
    clear_bitmap(bmp);
    setup(bmp);
    for (auto _ : state) {
        draw(bmp);
        benchmark::DoNotOptimize(bmp->line[0][0]);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * frame_bytes(depth));
    destroy_bitmap(bmp);
}

template <typename Draw>
void run_allegro(benchmark::State& state, int depth, Draw draw) {
    run_allegro(state, depth, draw, [](BITMAP*) {});
}

// Registers every Allegro case.
bool register_allegro() {
    for (int depth : BENCH_DEPTHS) {
        register_draw_case("Allegro", "lines", depth, [](benchmark::State& s, int d) {
            run_allegro(s, d, [d](BITMAP* bmp) {
                for (const BenchLine& l : draw_work().lines) {
                    line(bmp, l.x1, l.y1, l.x2, l.y2, allegro_colour(d, l.rgb, l.index));
                }
            });
        });
        register_draw_case("Allegro", "boxes", depth, [](benchmark::State& s, int d) {
            run_allegro(s, d, [d](BITMAP* bmp) {
                for (const BenchBox& b : draw_work().boxes) {
                    rectfill(bmp, b.x1, b.y1, b.x2, b.y2, allegro_colour(d, b.rgb, b.index));
                }
            });
        });
        register_draw_case("Allegro", "full_box", depth, [](benchmark::State& s, int d) {
            int k = 0;
            run_allegro(s, d, [d, &k](BITMAP* bmp) {
                ++k;
                rectfill(bmp, 0, 0, CANVAS_W - 1, CANVAS_H - 1,
                         allegro_colour(d, 0x00102030u + static_cast<uint32_t>(k & 0xFF),
                                        static_cast<uint8_t>(k)));
            });
        });
        register_draw_case("Allegro", "circles", depth, [](benchmark::State& s, int d) {
            run_allegro(s, d, [d](BITMAP* bmp) {
                for (const BenchCircle& c : draw_work().circles) {
                    circle(bmp, c.x, c.y, c.r, allegro_colour(d, c.rgb, c.index));
                }
            });
        });
        register_draw_case("Allegro", "filled_circles", depth, [](benchmark::State& s, int d) {
            run_allegro(s, d, [d](BITMAP* bmp) {
                for (const BenchCircle& c : draw_work().circles) {
                    circlefill(bmp, c.x, c.y, c.r, allegro_colour(d, c.rgb, c.index));
                }
            });
        });
        register_draw_case("Allegro", "flood_fill", depth, [](benchmark::State& s, int d) {
            const DrawWork& w = draw_work();
            int k = 0;
            run_allegro(
                s, d,
                [&](BITMAP* bmp) {
                    k ^= 1;
                    floodfill(bmp, w.seed_x, w.seed_y,
                              allegro_colour(d, FILL_RGB[k], FILL_INDEX[k]));
                },
                [d](BITMAP* bmp) {
                    for (const BenchBox& o : draw_work().obstacles) {
                        rectfill(bmp, o.x1, o.y1, o.x2, o.y2, allegro_colour(d, o.rgb, o.index));
                    }
                });
        });
    }
    return true;
}

const bool registered = register_allegro();

} // namespace
