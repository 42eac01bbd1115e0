#include "pictures.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr int BRICK_TILE_WIDTH = 128;
constexpr int BRICK_TILE_HEIGHT = 64;
constexpr int BRICK_LENGTH = 64;
constexpr int COURSE_HEIGHT = 32;
constexpr int MORTAR = 3;
constexpr int GLOW_SIZE = 128;

// A small deterministic hash of two integers and a salt, as a value in [0, 1).
double noise(int a, int b, int salt) {
    uint32_t h = static_cast<uint32_t>(a) * 73856093u ^ static_cast<uint32_t>(b) * 19349663u ^
                 static_cast<uint32_t>(salt) * 83492791u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return (h & 0xFFFFFF) / 16777216.0;
}

// Clamps a colour component to a byte.
uint8_t to_byte(double v) { return static_cast<uint8_t>(std::clamp(v, 0.0, 255.0)); }

} // namespace

// Each course is shifted by half a brick against the one below; every brick has its own shade
// and every pixel a little grain. The pattern repeats exactly at the tile's edges.
Image draw_brick_tile() {
    Image image{BRICK_TILE_WIDTH, BRICK_TILE_HEIGHT, 3, {}};
    image.pixels.resize(static_cast<std::size_t>(image.width) * image.height * 3);
    for (int y = 0; y < image.height; ++y) {
        const int course = y / COURSE_HEIGHT;
        const int in_course = y % COURSE_HEIGHT;
        for (int x = 0; x < image.width; ++x) {
            const int shifted = (x + course * BRICK_LENGTH / 2) % image.width;
            const int brick = shifted / BRICK_LENGTH;
            const int in_brick = shifted % BRICK_LENGTH;
            const bool mortar = in_course < MORTAR || in_brick < MORTAR;
            const double grain = noise(x, y, 1) * 30.0 - 15.0;
            double r, g, b;
            if (mortar) {
                r = 150 + grain, g = 144 + grain, b = 132 + grain;
            } else {
                const double shade = 0.8 + 0.4 * noise(brick, course, 2);
                const double edge =
                    (in_course == COURSE_HEIGHT - 1 || in_brick == BRICK_LENGTH - 1) ? 0.75 : 1.0;
                r = (168 + grain) * shade * edge;
                g = (70 + grain * 0.6) * shade * edge;
                b = (48 + grain * 0.5) * shade * edge;
            }
            uint8_t* p = &image.pixels[(static_cast<std::size_t>(y) * image.width + x) * 3];
            p[0] = to_byte(r);
            p[1] = to_byte(g);
            p[2] = to_byte(b);
        }
    }
    return image;
}

// Brightness (1 - d^2)^2 of the distance d from the centre, 0 at the rim and beyond it; alpha is
// opaque everywhere. The demo draws the glow with the blend (source alpha, source alpha), which
// adds it to the bricks only where alpha is whole: a partial alpha would darken what lies below.
Image draw_glow() {
    Image image{GLOW_SIZE, GLOW_SIZE, 4, {}};
    image.pixels.resize(static_cast<std::size_t>(GLOW_SIZE) * GLOW_SIZE * 4);
    const double radius = GLOW_SIZE / 2.0;
    for (int y = 0; y < GLOW_SIZE; ++y) {
        for (int x = 0; x < GLOW_SIZE; ++x) {
            const double dx = x + 0.5 - radius, dy = y + 0.5 - radius;
            const double d = std::min(std::sqrt(dx * dx + dy * dy) / radius, 1.0);
            const double bright = (1.0 - d * d) * (1.0 - d * d);
            uint8_t* p = &image.pixels[(static_cast<std::size_t>(y) * GLOW_SIZE + x) * 4];
            p[0] = p[1] = p[2] = to_byte(255.0 * bright + 0.5);
            p[3] = 255;
        }
    }
    return image;
}

// Each ball is shaded like a sphere lit from the top left, with a dark band through its centre
// at an angle of frame * 45 degrees and a white highlight; outside the disc the pixel is magenta.
Image draw_sprite_sheet() {
    constexpr int CELL = 32;
    constexpr int FRAMES = 4;
    constexpr double COLOURS[4][3] = {{230, 40, 40}, {40, 200, 60}, {50, 90, 240}, {240, 190, 30}};
    Image image{CELL * FRAMES, CELL * 4, 3, {}};
    image.pixels.resize(static_cast<std::size_t>(image.width) * image.height * 3);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const double* base = COLOURS[y / CELL];
            const double angle = (x / CELL) * 3.14159265358979 / 4;
            const double dx = (x % CELL - 15.5) / 14.5;
            const double dy = (y % CELL - 15.5) / 14.5;
            const double r2 = dx * dx + dy * dy;
            uint8_t* p = &image.pixels[(static_cast<std::size_t>(y) * image.width + x) * 3];
            if (r2 > 1.0) {
                p[0] = 255, p[1] = 0, p[2] = 255;
                continue;
            }
            const double dz = std::sqrt(1.0 - r2);
            const double light = std::max(0.0, (-dx - dy + dz * 1.6) / 2.2);
            const double across = std::abs(-dx * std::sin(angle) + dy * std::cos(angle));
            const double band = across < 0.22 ? 0.45 : 1.0;
            const double shine = std::pow(std::max(0.0, light), 24.0) * 200.0;
            for (int c = 0; c < 3; ++c) {
                // never exactly magenta inside the ball: green stays above 0
                p[c] =
                    to_byte(base[c] * (0.25 + 0.85 * light) * band + shine + (c == 1 ? 1.0 : 0.0));
            }
        }
    }
    return image;
}
