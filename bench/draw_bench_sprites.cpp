// Times drawing 1000 sprites of 32 x 32 pixels at random places on a 640 x 480 frame: transparent
// sprites at 8 and 32 bits and alpha-blended ones at 32 bits, with gfx_put on a windowless screen,
// beside Allegro 4 (draw_sprite; set_trans_blender and draw_trans_sprite) and SDL2
// (SDL_BlitSurface with a colour key; with blending) on memory bitmaps and surfaces of the same
// size and depth. Every peer draws the same sprite at the same places.
#include <allegro.h>
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <qzgfx.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <random>
#include <vector>

namespace {

constexpr int FRAME_W = 640;
constexpr int FRAME_H = 480;
constexpr int SPRITE = 32;
constexpr int SPRITES = 1000;
constexpr int BLEND_ALPHA = 160; // one alpha for the whole sprite, as every peer can take it

// Where the sprites go: partly outside the frame at the edges, the same for every peer.
struct Place {
    int x;
    int y;
};

const std::vector<Place>& places() {
    static const std::vector<Place> list = [] {
        std::mt19937 rng(1234);
        std::vector<Place> p(SPRITES);
        for (Place& place : p) {
            place.x = static_cast<int>(rng() % (FRAME_W + SPRITE)) - SPRITE / 2;
            place.y = static_cast<int>(rng() % (FRAME_H + SPRITE)) - SPRITE / 2;
        }
        return p;
    }();
    return list;
}

// The sprite: a ball of bands of colour on the mask colour, in the 0x00RRGGBB form, or a palette
// index at 8 bits; mask pixels are 0 at 8 bits and magenta at 32.
uint32_t sprite_pixel(int x, int y, int depth) {
    const int dx = 2 * x - SPRITE + 1;
    const int dy = 2 * y - SPRITE + 1;
    const bool inside = dx * dx + dy * dy < SPRITE * SPRITE;
    const int band = (x + y) / 4;
    if (depth == 8) {
        return inside ? static_cast<uint32_t>(16 + band) : 0;
    }
    return inside ? 0x00204080u + static_cast<uint32_t>(band) * 0x00100804u : 0x00FF00FFu;
}

// Fills a frame's pixels with a pattern so that blending has something to mix with.
uint32_t background_pixel(int x, int y, int depth) {
    return depth == 8 ? static_cast<uint32_t>((x ^ y) & 0xFF) : static_cast<uint32_t>((x * 0x10203) ^ (y * 0x30201)) & 0xFFFFFF;
}

// --- this library -------------------------------------------------------------------------------

void draw_sprites(benchmark::State& state, int mode) {
    const int depth = static_cast<int>(state.range(0));
    if (gfx_screen_res(FRAME_W, FRAME_H, depth, 1, SCREEN_NULL, 0) != 0) {
        state.SkipWithError("cannot open the screen");
        return;
    }
    ImageBuffer* sprite = gfx_image_create(SPRITE, SPRITE, depth, 0);
    uint8_t* pixels = nullptr;
    gfx_image_info(sprite, nullptr, nullptr, nullptr, &pixels);
    const int bpp = depth / 8;
    for (int y = 0; y < SPRITE; ++y) {
        for (int x = 0; x < SPRITE; ++x) {
            const uint32_t p = sprite_pixel(x, y, depth);
            std::memcpy(pixels + (y * SPRITE + x) * bpp, &p, static_cast<size_t>(bpp));
        }
    }
    uint8_t* frame = gfx_screen_lock();
    for (int y = 0; y < FRAME_H; ++y) {
        for (int x = 0; x < FRAME_W; ++x) {
            const uint32_t p = background_pixel(x, y, depth);
            std::memcpy(frame + (y * FRAME_W + x) * bpp, &p, static_cast<size_t>(bpp));
        }
    }
    gfx_screen_unlock(0, FRAME_H - 1);
    const int alpha = mode == GFX_PUT_ALPHA ? BLEND_ALPHA : -1;
    for (auto _ : state) {
        for (const Place& p : places()) {
            gfx_put(static_cast<float>(p.x), static_cast<float>(p.y), sprite, mode, alpha);
        }
        benchmark::DoNotOptimize(frame[0]);
    }
    gfx_image_destroy(sprite);
    gfx_screen(0, 0, 0, 0, 0);
}

void BM_Draw_sprites(benchmark::State& state) { draw_sprites(state, GFX_PUT_TRANSPARENT); }
void BM_Draw_alpha_sprites(benchmark::State& state) { draw_sprites(state, GFX_PUT_ALPHA); }

// --- Allegro 4 ----------------------------------------------------------------------------------

// Starts Allegro once, without a display.
bool allegro_ready() {
    static const bool ready = install_allegro(SYSTEM_NONE, &errno, atexit) == 0;
    return ready;
}

// A memory bitmap of depth filled by a pixel function.
template <typename PixelFn>
BITMAP* allegro_bitmap(int w, int h, int depth, PixelFn pixel) {
    BITMAP* b = create_bitmap_ex(depth, w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const uint32_t p = pixel(x, y, depth);
            putpixel(b, x, y, depth == 8 ? static_cast<int>(p)
                                         : makecol_depth(depth, (p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
        }
    }
    return b;
}

void allegro_sprites(benchmark::State& state, bool blend) {
    const int depth = static_cast<int>(state.range(0));
    if (!allegro_ready()) {
        state.SkipWithError("cannot start Allegro");
        return;
    }
    BITMAP* frame = allegro_bitmap(FRAME_W, FRAME_H, depth, background_pixel);
    BITMAP* sprite = allegro_bitmap(SPRITE, SPRITE, depth, sprite_pixel);
    if (blend) {
        set_trans_blender(0, 0, 0, BLEND_ALPHA);
    }
    for (auto _ : state) {
        for (const Place& p : places()) {
            if (blend) {
                draw_trans_sprite(frame, sprite, p.x, p.y);
            } else {
                draw_sprite(frame, sprite, p.x, p.y);
            }
        }
        benchmark::DoNotOptimize(frame->line[0][0]);
    }
    destroy_bitmap(sprite);
    destroy_bitmap(frame);
}

void BM_Allegro_sprites(benchmark::State& state) { allegro_sprites(state, false); }
void BM_Allegro_alpha_sprites(benchmark::State& state) { allegro_sprites(state, true); }

// --- SDL2 ---------------------------------------------------------------------------------------

// A surface of depth (8-bit indexed with a grey palette, or XRGB 8888) filled by a pixel function.
template <typename PixelFn>
SDL_Surface* sdl_surface(int w, int h, int depth, PixelFn pixel) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, w, h, depth, depth == 8 ? SDL_PIXELFORMAT_INDEX8 : SDL_PIXELFORMAT_RGB888);
    if (depth == 8) {
        SDL_Color colours[256];
        for (int i = 0; i < 256; ++i) {
            colours[i] = {static_cast<Uint8>(i), static_cast<Uint8>(i), static_cast<Uint8>(i), 255};
        }
        SDL_SetPaletteColors(s->format->palette, colours, 0, 256);
    }
    for (int y = 0; y < h; ++y) {
        uint8_t* row = static_cast<uint8_t*>(s->pixels) + y * s->pitch;
        for (int x = 0; x < w; ++x) {
            const uint32_t p = pixel(x, y, depth);
            std::memcpy(row + x * (depth / 8), &p, static_cast<size_t>(depth / 8));
        }
    }
    return s;
}

void sdl_sprites(benchmark::State& state, bool blend) {
    const int depth = static_cast<int>(state.range(0));
    SDL_Surface* frame = sdl_surface(FRAME_W, FRAME_H, depth, background_pixel);
    SDL_Surface* sprite = sdl_surface(SPRITE, SPRITE, depth, sprite_pixel);
    if (depth == 8) {
        SDL_SetSurfacePalette(sprite, frame->format->palette); // same palette: a plain keyed copy
    }
    if (blend) {
        SDL_SetSurfaceBlendMode(sprite, SDL_BLENDMODE_BLEND);
        SDL_SetSurfaceAlphaMod(sprite, BLEND_ALPHA);
    } else {
        SDL_SetColorKey(sprite, SDL_TRUE, depth == 8 ? 0 : 0xFF00FF);
    }
    for (auto _ : state) {
        for (const Place& p : places()) {
            SDL_Rect at{p.x, p.y, SPRITE, SPRITE};
            SDL_BlitSurface(sprite, nullptr, frame, &at);
        }
        benchmark::DoNotOptimize(static_cast<uint8_t*>(frame->pixels)[0]);
    }
    SDL_FreeSurface(sprite);
    SDL_FreeSurface(frame);
}

void BM_SDL2_sprites(benchmark::State& state) { sdl_sprites(state, false); }
void BM_SDL2_alpha_sprites(benchmark::State& state) { sdl_sprites(state, true); }

} // namespace

BENCHMARK(BM_Draw_sprites)->Name("BM_Draw/sprites")->Arg(8)->Arg(32);
BENCHMARK(BM_Allegro_sprites)->Name("BM_Allegro/sprites")->Arg(8)->Arg(32);
BENCHMARK(BM_SDL2_sprites)->Name("BM_SDL2/sprites")->Arg(8)->Arg(32);
BENCHMARK(BM_Draw_alpha_sprites)->Name("BM_Draw/alpha_sprites")->Arg(32);
BENCHMARK(BM_Allegro_alpha_sprites)->Name("BM_Allegro/alpha_sprites")->Arg(32);
BENCHMARK(BM_SDL2_alpha_sprites)->Name("BM_SDL2/alpha_sprites")->Arg(32);
