// The lighting demo: five coloured glows moving over a brick wall in a 640 by 480 OpenGL window.
#pragma once

#include "demo/lights.h"
#include "demo/texture.h"

// The scancodes the demo watches.
constexpr int SC_ESCAPE = 1; // ends the demo
constexpr int SC_R = 19;     // re-scatters the lights while held

constexpr int DEMO_SCREEN_WIDTH = 640;
constexpr int DEMO_SCREEN_HEIGHT = 480;
constexpr int DEMO_SCREEN_DEPTH = 32;
constexpr const char* DEMO_TITLE = "[ Vavaz #2 ]";
constexpr const char* DEMO_LIGHT_IMAGE = "resources/examples/light.tga";
constexpr const char* DEMO_BRICK_IMAGE = "resources/examples/brick.tga";

// Depths of the three passes of a frame.
constexpr int DEMO_Z_BACKGROUND = 0;
constexpr int DEMO_Z_LIGHTS = 2;
constexpr int DEMO_Z_DARKEN = 3;

// Everything one run of the demo keeps between frames.
struct DemoState {
    Light lights[LIGHT_COUNT];
    Texture light_texture;
    Texture brick_texture;
};

// Opens the screen, scatters the lights and loads both images.
void start_demo(DemoState& state);

// Draws one frame, moves the lights (re-scattering them while R is down) and presents it.
void draw_frame(DemoState& state);
