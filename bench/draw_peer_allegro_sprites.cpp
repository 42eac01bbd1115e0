// The Allegro 4 contender of the sprite cases: draw_sprite at 8 and 32 bits, and set_trans_blender
// with draw_trans_sprite at 32 bits, on memory bitmaps made by create_bitmap_ex.
#define ALLEGRO_NO_MAGIC_MAIN
#include <allegro.h>

#include "bench/draw_sprite_work.h"

namespace {

// Starts Allegro once, without a display.
bool allegro_ready() {
    static const bool ready = install_allegro(SYSTEM_NONE, &errno, atexit) == 0;
    return ready;
}

// A memory bitmap of the depth filled by a pixel function.
template <typename PixelFn>
BITMAP* allegro_bitmap(int w, int h, int depth, PixelFn pixel) {
    BITMAP* b = create_bitmap_ex(depth, w, h);
    if (!b) {
        return nullptr;
    }
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const uint32_t p = pixel(x, y, depth);
            putpixel(b, x, y,
                     depth == 8 ? static_cast<int>(p)
                                : makecol_depth(depth, static_cast<int>(p >> 16),
                                                static_cast<int>((p >> 8) & 0xFF),
                                                static_cast<int>(p & 0xFF)));
        }
    }
    return b;
}

// Draws the sprite at every place once per iteration: masked, or translucent.
void allegro_sprites(benchmark::State& state, int depth, bool blend) {
    if (!allegro_ready()) {
        state.SkipWithError("install_allegro failed");
        return;
    }
    BITMAP* frame = allegro_bitmap(CANVAS_W, CANVAS_H, depth, sprite_background);
    BITMAP* sprite = allegro_bitmap(SPRITE_SIZE, SPRITE_SIZE, depth, sprite_pixel);
    if (!frame || !sprite) {
        state.SkipWithError("create_bitmap_ex failed");
        return;
    }
    if (blend) {
        set_trans_blender(0, 0, 0, SPRITE_ALPHA);
    }
    for (auto _ : state) {
        for (const SpritePlace& p : sprite_places()) {
            if (blend) {
                draw_trans_sprite(frame, sprite, p.x, p.y);
            } else {
                draw_sprite(frame, sprite, p.x, p.y);
            }
        }
        benchmark::DoNotOptimize(frame->line[0][0]);
        benchmark::ClobberMemory();
    }
    destroy_bitmap(sprite);
    destroy_bitmap(frame);
}

// Registers Allegro's sprite cases.
bool register_allegro_sprites() {
    for (int depth : BENCH_DEPTHS) {
        register_draw_case("Allegro", "sprites", depth,
                           [](benchmark::State& s, int d) { allegro_sprites(s, d, false); });
    }
    register_draw_case("Allegro", "alpha_sprites", 32,
                       [](benchmark::State& s, int d) { allegro_sprites(s, d, true); });
    return true;
}

const bool registered = register_allegro_sprites();

} // namespace
