// The sprite cases of this library and of SDL2: 1000 transparent 32 x 32 sprites at 8 and 32 bits
// (gfx_put with GFX_PUT_TRANSPARENT; SDL_BlitSurface with a colour key) and 1000 alpha-blended
// ones at 32 bits (GFX_PUT_ALPHA; SDL_BlitSurface with blending and an alpha modulation).
#include <qzgfx.h>

#include <cstring>

#include "bench/draw_sprite_work.h"

namespace {

// Opens the windowless screen, makes the sprite image and patterns the frame; then puts every
// sprite once per iteration.
void library_sprites(benchmark::State& state, int depth, int mode) {
    if (gfx_screen_res(CANVAS_W, CANVAS_H, depth, 1, SCREEN_NULL, 0) != 0) {
        state.SkipWithError("cannot open the screen");
        return;
    }
    ImageBuffer* sprite = gfx_image_create(SPRITE_SIZE, SPRITE_SIZE, depth, 0);
    uint8_t* pixels = nullptr;
    gfx_image_info(sprite, nullptr, nullptr, nullptr, &pixels);
    const int bpp = depth / 8;
    for (int y = 0; y < SPRITE_SIZE; ++y) {
        for (int x = 0; x < SPRITE_SIZE; ++x) {
            const uint32_t p = sprite_pixel(x, y, depth);
            std::memcpy(pixels + (y * SPRITE_SIZE + x) * bpp, &p, static_cast<size_t>(bpp));
        }
    }
    uint8_t* frame = gfx_screen_lock();
    for (int y = 0; y < CANVAS_H; ++y) {
        for (int x = 0; x < CANVAS_W; ++x) {
            const uint32_t p = sprite_background(x, y, depth);
            std::memcpy(frame + (y * CANVAS_W + x) * bpp, &p, static_cast<size_t>(bpp));
        }
    }
    gfx_screen_unlock(0, CANVAS_H - 1);
    const int alpha = mode == GFX_PUT_ALPHA ? SPRITE_ALPHA : -1;
    for (auto _ : state) {
        for (const SpritePlace& p : sprite_places()) {
            gfx_put(static_cast<float>(p.x), static_cast<float>(p.y), sprite, mode, alpha);
        }
        benchmark::DoNotOptimize(frame[0]);
        benchmark::ClobberMemory();
    }
    gfx_image_destroy(sprite);
    gfx_screen(0, 0, 0, 0, 0);
}

// A surface of the depth (8-bit indexed with a grey palette, or XRGB 8888) filled by a pixel
// function.
template <typename PixelFn>
SDL_Surface* sdl_surface(int w, int h, int depth, PixelFn pixel) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(
        0, w, h, depth, depth == 8 ? SDL_PIXELFORMAT_INDEX8 : SDL_PIXELFORMAT_RGB888);
    if (!s) {
        return nullptr;
    }
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

// Blits the sprite surface to every place once per iteration: keyed, or blended.
void sdl_sprites(benchmark::State& state, int depth, bool blend) {
    SDL_Surface* frame = sdl_surface(CANVAS_W, CANVAS_H, depth, sprite_background);
    SDL_Surface* sprite = sdl_surface(SPRITE_SIZE, SPRITE_SIZE, depth, sprite_pixel);
    if (!frame || !sprite) {
        state.SkipWithError("cannot make the surfaces");
        return;
    }
    if (depth == 8) {
        SDL_SetSurfacePalette(sprite, frame->format->palette); // one palette: a plain keyed copy
    }
    if (blend) {
        SDL_SetSurfaceBlendMode(sprite, SDL_BLENDMODE_BLEND);
        SDL_SetSurfaceAlphaMod(sprite, SPRITE_ALPHA);
    } else {
        SDL_SetColorKey(sprite, SDL_TRUE, depth == 8 ? 0 : 0xFF00FF);
    }
    for (auto _ : state) {
        for (const SpritePlace& p : sprite_places()) {
            SDL_Rect at{p.x, p.y, SPRITE_SIZE, SPRITE_SIZE};
            SDL_BlitSurface(sprite, nullptr, frame, &at);
        }
        benchmark::DoNotOptimize(static_cast<uint8_t*>(frame->pixels)[0]);
        benchmark::ClobberMemory();
    }
    SDL_FreeSurface(sprite);
    SDL_FreeSurface(frame);
}

// Registers the library's and SDL2's sprite cases.
bool register_sprites() {
    for (int depth : BENCH_DEPTHS) {
        register_draw_case("Draw", "sprites", depth, [](benchmark::State& s, int d) {
            library_sprites(s, d, GFX_PUT_TRANSPARENT);
        });
        register_draw_case("SDL2", "sprites", depth,
                           [](benchmark::State& s, int d) { sdl_sprites(s, d, false); });
    }
    register_draw_case("Draw", "alpha_sprites", 32,
                       [](benchmark::State& s, int d) { library_sprites(s, d, GFX_PUT_ALPHA); });
    register_draw_case("SDL2", "alpha_sprites", 32,
                       [](benchmark::State& s, int d) { sdl_sprites(s, d, true); });
    return true;
}

const bool registered = register_sprites();

} // namespace
