#include "demo/lights.h"

#include <cmath>

namespace {

// floor(random * range) + base: a whole number in base .. base + range - 1.
int32_t random_between(RandomUnit random, int range, int base) {
    return static_cast<int32_t>(std::floor(random() * range)) + base;
}

// A random whole-number velocity, -3 to 2 pixels per frame.
float random_velocity(RandomUnit random) {
    return static_cast<float>(random_between(random, 6, -3));
}

// A random colour intensity, 128 to 255.
int32_t random_intensity(RandomUnit random) { return random_between(random, 128, 128); }

} // namespace

// Start-up order: size, x, y, red, green, blue, alpha, dx, dy.
void scatter_light(Light& light, RandomUnit random) {
    light.size = random_between(random, 256, 128);
    light.x = static_cast<float>(random_between(random, LIGHT_AREA_WIDTH, 1));
    light.y = static_cast<float>(random_between(random, LIGHT_AREA_HEIGHT, 1));
    light.red = random_intensity(random);
    light.green = random_intensity(random);
    light.blue = random_intensity(random);
    light.alpha = random_intensity(random);
    light.dx = random_velocity(random);
    light.dy = random_velocity(random);
}

// Re-scatter order: x, y, red, green, blue, alpha, size, dx, dy.
void rescatter_light(Light& light, RandomUnit random) {
    light.x = static_cast<float>(random_between(random, LIGHT_AREA_WIDTH, 1));
    light.y = static_cast<float>(random_between(random, LIGHT_AREA_HEIGHT, 1));
    light.red = random_intensity(random);
    light.green = random_intensity(random);
    light.blue = random_intensity(random);
    light.alpha = random_intensity(random);
    light.size = random_between(random, 256, 128);
    light.dx = random_velocity(random);
    light.dy = random_velocity(random);
}

// Tests right, bottom, left, top in that order on the centre before the move.
void bounce_light(Light& light) {
    const float cx = light.x + static_cast<float>(light.size) / 2.0f;
    const float cy = light.y + static_cast<float>(light.size) / 2.0f;
    if (cx >= LIGHT_AREA_WIDTH) {
        light.dx *= -1.0f;
    }
    if (cy >= LIGHT_AREA_HEIGHT) {
        light.dy *= -1.0f;
    }
    if (cx <= 0) {
        light.dx *= -1.0f;
    }
    if (cy <= 0) {
        light.dy *= -1.0f;
    }
}

// One light's share of a frame, after it has been drawn.
void step_light(Light& light, bool rescatter, RandomUnit random) {
    bounce_light(light);
    light.x += light.dx;
    light.y += light.dy;
    if (rescatter) {
        rescatter_light(light, random);
    }
}
