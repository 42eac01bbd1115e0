// The sprite cases' shared work: one 32 x 32 sprite, a patterned frame under it and 1000 places,
// the same for every contender.
#pragma once

#include <cstdint>
#include <random>
#include <vector>

#include "bench/draw_peers.h"

constexpr int SPRITE_SIZE = 32;
constexpr int SPRITE_COUNT = 1000;
constexpr int SPRITE_ALPHA = 160; // one alpha for the whole sprite, as every contender takes it

// Where a sprite goes: partly off the canvas at the edges.
struct SpritePlace {
    int x;
    int y;
};

// The 1000 places, drawn from a fixed seed.
inline const std::vector<SpritePlace>& sprite_places() {
    static const std::vector<SpritePlace> places = [] {
        std::mt19937 rng(1234);
        std::vector<SpritePlace> p(SPRITE_COUNT);
        for (SpritePlace& place : p) {
            place.x = static_cast<int>(rng() % (CANVAS_W + SPRITE_SIZE)) - SPRITE_SIZE / 2;
            place.y = static_cast<int>(rng() % (CANVAS_H + SPRITE_SIZE)) - SPRITE_SIZE / 2;
        }
        return p;
    }();
    return places;
}

// The sprite: a ball of bands of colour on the mask colour (0 at 8 bits, magenta above); a
// palette index at 8 bits, 0x00RRGGBB at 32.
inline uint32_t sprite_pixel(int x, int y, int depth) {
    const int dx = 2 * x - SPRITE_SIZE + 1;
    const int dy = 2 * y - SPRITE_SIZE + 1;
    const bool inside = dx * dx + dy * dy < SPRITE_SIZE * SPRITE_SIZE;
    const uint32_t band = static_cast<uint32_t>((x + y) / 4);
    if (depth == 8) {
        return inside ? 16 + band : 0;
    }
    return inside ? 0x00204080u + band * 0x00100804u : 0x00FF00FFu;
}

// The canvas under the sprites, patterned so that blending has something to mix with.
inline uint32_t sprite_background(int x, int y, int depth) {
    return depth == 8 ? static_cast<uint32_t>((x ^ y) & 0xFF)
                      : static_cast<uint32_t>((x * 0x10203) ^ (y * 0x30201)) & 0xFFFFFF;
}
