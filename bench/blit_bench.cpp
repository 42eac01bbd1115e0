// Times every blitter member on a 640 x 480 screen with every row dirty, beside SDL2 doing the
// same conversion and a memcpy of the destination's size.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "gfx/blit/blit_cpu.h"
#include "gfx/blit/blitter.h"
#include "gfx/blit/colour_lookup.h"
#include "gfx/core/context.h"

namespace {

constexpr int WIDTH = 640;
constexpr int HEIGHT = 480;

struct Case {
    const char* name; // the member's name without blit_ and _mmx
    Blitter scalar;
    int source_depth;
    int display_depth;
    int red_low;
    uint32_t sdl_source; // SDL pixel formats for the same conversion
    uint32_t sdl_display;
};

const Case CASES[] = {
    {"8_to_15", blit_8_to_15, 8, 15, 0, SDL_PIXELFORMAT_INDEX8, SDL_PIXELFORMAT_RGB555},
    {"8_to_15_redlow", blit_8_to_15_redlow, 8, 15, 1, SDL_PIXELFORMAT_INDEX8,
     SDL_PIXELFORMAT_BGR555},
    {"8_to_16", blit_8_to_16, 8, 16, 0, SDL_PIXELFORMAT_INDEX8, SDL_PIXELFORMAT_RGB565},
    {"8_to_16_redlow", blit_8_to_16_redlow, 8, 16, 1, SDL_PIXELFORMAT_INDEX8,
     SDL_PIXELFORMAT_BGR565},
    {"8_to_24", blit_8_to_24, 8, 24, 0, SDL_PIXELFORMAT_INDEX8, SDL_PIXELFORMAT_BGR24},
    {"8_to_24_redlow", blit_8_to_24_redlow, 8, 24, 1, SDL_PIXELFORMAT_INDEX8,
     SDL_PIXELFORMAT_RGB24},
    {"8_to_32", blit_8_to_32, 8, 32, 0, SDL_PIXELFORMAT_INDEX8, SDL_PIXELFORMAT_RGB888},
    {"8_to_32_redlow", blit_8_to_32_redlow, 8, 32, 1, SDL_PIXELFORMAT_INDEX8,
     SDL_PIXELFORMAT_BGR888},
    {"16_to_15", blit_16_to_15, 16, 15, 0, SDL_PIXELFORMAT_RGB565, SDL_PIXELFORMAT_RGB555},
    {"16_to_15_redlow", blit_16_to_15_redlow, 16, 15, 1, SDL_PIXELFORMAT_RGB565,
     SDL_PIXELFORMAT_BGR555},
    {"16_to_16_redlow", blit_16_to_16_redlow, 16, 16, 1, SDL_PIXELFORMAT_RGB565,
     SDL_PIXELFORMAT_BGR565},
    {"16_to_24", blit_16_to_24, 16, 24, 0, SDL_PIXELFORMAT_RGB565, SDL_PIXELFORMAT_BGR24},
    {"16_to_32", blit_16_to_32, 16, 32, 0, SDL_PIXELFORMAT_RGB565, SDL_PIXELFORMAT_RGB888},
    {"32_to_15", blit_32_to_15, 32, 15, 0, SDL_PIXELFORMAT_RGB888, SDL_PIXELFORMAT_RGB555},
    {"32_to_15_redlow", blit_32_to_15_redlow, 32, 15, 1, SDL_PIXELFORMAT_RGB888,
     SDL_PIXELFORMAT_BGR555},
    {"32_to_16", blit_32_to_16, 32, 16, 0, SDL_PIXELFORMAT_RGB888, SDL_PIXELFORMAT_RGB565},
    {"32_to_16_redlow", blit_32_to_16_redlow, 32, 16, 1, SDL_PIXELFORMAT_RGB888,
     SDL_PIXELFORMAT_BGR565},
    {"32_to_24", blit_32_to_24, 32, 24, 0, SDL_PIXELFORMAT_RGB888, SDL_PIXELFORMAT_BGR24},
    {"32_to_24_redlow", blit_32_to_24_redlow, 32, 24, 1, SDL_PIXELFORMAT_RGB888,
     SDL_PIXELFORMAT_RGB24},
    {"32_to_32_redlow", blit_32_to_32_redlow, 32, 32, 1, SDL_PIXELFORMAT_RGB888,
     SDL_PIXELFORMAT_BGR888},
    {"copy", blit_copy, 32, 32, 0, SDL_PIXELFORMAT_RGB888, SDL_PIXELFORMAT_RGB888},
};

// Bytes per display pixel.
int display_bytes(int display_depth) { return display_depth == 15 ? 2 : display_depth / 8; }

// A 640 x 480 screen of random pixels with every row dirty, installed as the open screen.
struct BenchScreen {
    GfxContext ctx{};
    std::vector<uint8_t> page;
    std::vector<uint8_t> dirty;
    std::vector<uint32_t> palette;
    std::vector<uint32_t> lookup;
    std::vector<uint8_t> dest;
    int dest_pitch;

    BenchScreen(const Case& c)
        : page(static_cast<size_t>(WIDTH) * HEIGHT * (c.source_depth / 8)), dirty(HEIGHT, 1),
          palette(256), lookup(COLOUR_LOOKUP_ENTRIES),
          dest(static_cast<size_t>(WIDTH) * HEIGHT * display_bytes(c.display_depth)),
          dest_pitch(WIDTH * display_bytes(c.display_depth)) {
        std::mt19937 random(42);
        for (auto& b : page) {
            b = static_cast<uint8_t>(random());
        }
        for (auto& e : palette) {
            e = random() & 0xFFFFFF;
        }
        ctx.width = WIDTH;
        ctx.height = HEIGHT;
        ctx.depth = c.source_depth;
        ctx.bytes_per_pixel = c.source_depth / 8;
        ctx.pitch = WIDTH * ctx.bytes_per_pixel;
        ctx.scanline_size = 1;
        ctx.visible_buffer = page.data();
        ctx.dirty_rows = dirty.data();
        ctx.palette = palette.data();
        ctx.flags = __builtin_cpu_supports("mmx") ? CTX_HAS_MMX : 0;
        gfx_context = &ctx;
        gfx_colour_lookup = lookup.data();
    }
    ~BenchScreen() {
        gfx_context = nullptr;
        gfx_colour_lookup = nullptr;
    }
};

// Times `blitter`, or the member select_blitter picks when it is null.
void bench_member(benchmark::State& state, const Case& c, Blitter blitter) {
    BenchScreen screen(c);
    const Blitter chosen = select_blitter(c.display_depth, c.red_low);
    const Blitter run = blitter ? blitter : chosen;
    for (auto _ : state) {
        run(screen.dest.data(), screen.dest_pitch);
        benchmark::DoNotOptimize(screen.dest.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(screen.dest.size()));
}

// An instruction set level the vector members can be held to, by its name in benchmark names.
struct Level {
    const char* name;
    CpuIsa isa;
};

const Level LEVELS[] = {
    {"sse2", CpuIsa::SSE2}, {"avx2", CpuIsa::AVX2}, {"avx512vbmi", CpuIsa::AVX512_VBMI}};

// Times the member select_blitter picks with the vector members held to `isa`.
void bench_member_at(benchmark::State& state, const Case& c, CpuIsa isa) {
    cpu_limit_isa(isa);
    bench_member(state, c, nullptr);
    cpu_limit_isa(CpuIsa::AVX512_VBMI);
}

// Times SDL2 converting the same picture: a palette blit for paletted sources, its pixel
// conversion for the rest.
void bench_sdl(benchmark::State& state, const Case& c) {
    BenchScreen screen(c);
    void* dest = screen.dest.data();
    if (c.sdl_source == SDL_PIXELFORMAT_INDEX8) {
        SDL_Surface* src = SDL_CreateRGBSurfaceWithFormatFrom(screen.page.data(), WIDTH, HEIGHT, 8,
                                                              WIDTH, SDL_PIXELFORMAT_INDEX8);
        SDL_Surface* dst = SDL_CreateRGBSurfaceWithFormatFrom(dest, WIDTH, HEIGHT,
                                                              display_bytes(c.display_depth) * 8,
                                                              screen.dest_pitch, c.sdl_display);
        if (!src || !dst) {
            state.SkipWithError(SDL_GetError());
            return;
        }
        SDL_Color colours[256];
        for (int i = 0; i < 256; ++i) {
            const uint32_t e = screen.palette[i];
            colours[i] = {static_cast<uint8_t>(e), static_cast<uint8_t>(e >> 8),
                          static_cast<uint8_t>(e >> 16), 255};
        }
        SDL_SetPaletteColors(src->format->palette, colours, 0, 256);
        for (auto _ : state) {
            SDL_BlitSurface(src, nullptr, dst, nullptr);
            benchmark::DoNotOptimize(dest);
            benchmark::ClobberMemory();
        }
        SDL_FreeSurface(src);
        SDL_FreeSurface(dst);
    } else {
        for (auto _ : state) {
            if (SDL_ConvertPixels(WIDTH, HEIGHT, c.sdl_source, screen.page.data(), screen.ctx.pitch,
                                  c.sdl_display, dest, screen.dest_pitch) != 0) {
                state.SkipWithError(SDL_GetError());
                break;
            }
            benchmark::DoNotOptimize(dest);
            benchmark::ClobberMemory();
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(screen.dest.size()));
}

// Times a memcpy of the destination's byte count.
void bench_memcpy(benchmark::State& state, const Case& c) {
    const size_t bytes = static_cast<size_t>(WIDTH) * HEIGHT * display_bytes(c.display_depth);
    std::vector<uint8_t> src(bytes, 0x5A);
    std::vector<uint8_t> dest(bytes);
    for (auto _ : state) {
        std::memcpy(dest.data(), src.data(), bytes);
        benchmark::DoNotOptimize(dest.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes));
}

} // namespace

// Registers the timings of every member (at each level the processor has) and runs them.
int main(int argc, char** argv) {
    const CpuIsa widest = cpu_isa();
    for (const Case& c : CASES) {
        const std::string name = c.name;
        benchmark::RegisterBenchmark(("BM_Blit/" + name).c_str(), bench_member, c, nullptr);
        for (const Level& level : LEVELS) {
            if (level.isa <= widest) {
                benchmark::RegisterBenchmark(("BM_BlitAt/" + name + "/" + level.name).c_str(),
                                             bench_member_at, c, level.isa);
            }
        }
        benchmark::RegisterBenchmark(("BM_BlitScalar/" + name).c_str(), bench_member, c, c.scalar);
        benchmark::RegisterBenchmark(("BM_SDL2/" + name).c_str(), bench_sdl, c);
        benchmark::RegisterBenchmark(("BM_Memcpy/" + name).c_str(), bench_memcpy, c);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
