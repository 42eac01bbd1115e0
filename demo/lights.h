// The demo's moving lights: how they are scattered, bounced off the edges and moved each frame.
#pragma once

#include <cstdint>

// One moving light: a coloured glow square. Positions and velocities stay whole numbers.
struct Light {
    int32_t red;   // low byte used
    int32_t green; // low byte used
    int32_t blue;  // low byte used
    int32_t alpha; // filled at every scatter; drawing uses 255
    float x;       // left edge, pixels
    float y;       // top edge, pixels (y grows downwards)
    float dx;      // pixels per frame
    float dy;      // pixels per frame
    int32_t size;  // side of the square, pixels
};

constexpr int LIGHT_COUNT = 5;

// The area the lights bounce in.
constexpr int LIGHT_AREA_WIDTH = 640;
constexpr int LIGHT_AREA_HEIGHT = 480;

// A source of random numbers in [0, 1), such as the runtime's random_unit.
using RandomUnit = double (*)();

// Gives a light its first random values, drawn in the start-up order.
void scatter_light(Light& light, RandomUnit random);

// Gives a light new random values, drawn in the order used while R is held.
void rescatter_light(Light& light, RandomUnit random);

// Negates the velocity on each axis whose centre lies at or beyond an edge.
void bounce_light(Light& light);

// Advances one light after it was drawn: bounce, move by its velocity, then re-scatter if asked.
void step_light(Light& light, bool rescatter, RandomUnit random);
