// Sprites over a drawn scene on a 640 x 480 true-colour screen, with two pages.
//
// The scene is drawn once with lines, boxes, circles and flood fills. Twelve balls, cut from a
// sprite sheet loaded from a BMP file, bounce over it: every frame saves what lies under each
// ball with gfx_get, puts the balls with GFX_PUT_TRANSPARENT (the sheet's magenta is skipped),
// shows the frame with gfx_flip and puts the saved pieces back. Escape or closing the window ends
// the program.
#include <qzgfx.h>

#include <cmath>
#include <cstdio>

namespace {

constexpr int WIDTH = 640;
constexpr int HEIGHT = 480;
constexpr int SPRITE = 32; // the sheet's cells are 32 x 32 pixels
constexpr int FRAMES = 4;  // columns of the sheet: the ball turning
constexpr int KINDS = 4;   // rows of the sheet: red, green, blue and gold balls
constexpr int BALLS = 12;
constexpr int SKY_BOTTOM = 340;  // the ground starts here
constexpr int BALL_BOTTOM = 232; // the balls fly above the roof

// One bouncing ball.
struct Ball {
    float x, y;   // top-left corner in pixels
    float dx, dy; // pixels per frame
    int kind;
    ImageBuffer* under; // what the ball covers in the current frame
};

// The landscape: sky, sun, hills, ground, a house and a fence.
void draw_scene() {
    for (int y = 0; y < SKY_BOTTOM; ++y) { // the sky darkens towards the top
        const uint32_t blue = 255 - static_cast<uint32_t>(y) * 100 / SKY_BOTTOM;
        const uint32_t green = 120 + static_cast<uint32_t>(y) * 100 / SKY_BOTTOM;
        gfx_line(0, static_cast<float>(y), WIDTH - 1, static_cast<float>(y),
                 (green / 2) << 16 | green << 8 | blue, GFX_LINE, GFX_STYLE_SOLID, 0);
    }
    for (int i = 0; i < 12; ++i) { // the sun's rays, then the sun
        const float c = std::cos(static_cast<float>(i) * 0.5236f);
        const float s = std::sin(static_cast<float>(i) * 0.5236f);
        gfx_line(540 + 48 * c, 80 - 48 * s, 540 + 72 * c, 80 - 72 * s, 0xFFE070, GFX_LINE,
                 GFX_STYLE_SOLID, 0);
    }
    gfx_circle(540, 80, 40, 0xFFD020, GFX_OMITTED, GFX_OMITTED, 1, GFX_CIRCLE_FILLED);
    gfx_circle(140, 420, 220, 0x2E8B3A, GFX_OMITTED, GFX_OMITTED, 0.5f, GFX_CIRCLE_FILLED); // hills
    gfx_circle(470, 440, 260, 0x3A9E48, GFX_OMITTED, GFX_OMITTED, 0.45f, GFX_CIRCLE_FILLED);
    gfx_line(0, SKY_BOTTOM, WIDTH - 1, HEIGHT - 1, 0x2A6E2A, GFX_BOX_FILLED, GFX_STYLE_SOLID,
             0); // ground

    // The house: outlines first, then flood fills inside them.
    const uint32_t outline = 0x40200A;
    gfx_line(250, 300, 390, 400, outline, GFX_BOX, GFX_STYLE_SOLID, 0);
    gfx_paint(320, 350, 0xE8D8B0, outline, 0); // the walls
    gfx_line(240, 300, 320, 240, outline, GFX_LINE, GFX_STYLE_SOLID, 0);
    gfx_line(320, 240, 400, 300, outline, GFX_LINE, GFX_STYLE_SOLID, 0);
    gfx_line(240, 300, 400, 300, outline, GFX_LINE, GFX_STYLE_SOLID, 0);
    gfx_paint(320, 280, 0xB03020, outline, 0);                                  // the roof
    gfx_line(305, 340, 335, 400, 0x704020, GFX_BOX_FILLED, GFX_STYLE_SOLID, 0); // the door
    for (int side = 0; side < 2; ++side) { // two windows with crosses
        const float left = side ? 350.0f : 265.0f;
        gfx_line(left, 320, left + 26, 346, 0x80C8F0, GFX_BOX_FILLED, GFX_STYLE_SOLID, 0);
        gfx_line(left, 320, left + 26, 346, outline, GFX_BOX, GFX_STYLE_SOLID, 0);
        gfx_line(left + 13, 320, left + 13, 346, outline, GFX_LINE, GFX_STYLE_SOLID, 0);
        gfx_line(left, 333, left + 26, 333, outline, GFX_LINE, GFX_STYLE_SOLID, 0);
    }
    for (int x = 20; x < 230; x += 14) { // a fence, its rails dashed
        gfx_line(static_cast<float>(x), 372, static_cast<float>(x), 410, 0xF0F0E0, GFX_LINE,
                 GFX_STYLE_SOLID, 0);
    }
    gfx_line(16, 382, 232, 382, 0xF0F0E0, GFX_LINE, 0xFF0F, 0);
    gfx_line(16, 400, 232, 400, 0xF0F0E0, GFX_LINE, 0xFF0F, 0);
    gfx_draw_text(8, 8, "qzgfx sprites - Esc ends", -1, 0xFFFFFF, 16);
}

// Cuts the sheet into frames[kind][frame] by drawing into it and getting each cell.
bool cut_sheet(ImageBuffer* sheet, ImageBuffer* (&frames)[KINDS][FRAMES]) {
    gfx_set_target(sheet);
    for (int kind = 0; kind < KINDS; ++kind) {
        for (int frame = 0; frame < FRAMES; ++frame) {
            frames[kind][frame] = gfx_image_create(SPRITE, SPRITE, 0, 0);
            const float x = static_cast<float>(frame * SPRITE);
            const float y = static_cast<float>(kind * SPRITE);
            if (gfx_get(x, y, x + SPRITE - 1, y + SPRITE - 1, frames[kind][frame], 0) != 0) {
                gfx_set_target(nullptr);
                return false;
            }
        }
    }
    gfx_set_target(nullptr);
    return true;
}

// Moves a ball one frame on, bouncing off the sides and the top of the screen and off the roof's
// height.
void move(Ball& b) {
    b.x += b.dx;
    b.y += b.dy;
    if (b.x < 0 || b.x > WIDTH - SPRITE) {
        b.dx = -b.dx;
        b.x += 2 * b.dx;
    }
    if (b.y < 0 || b.y > BALL_BOTTOM - SPRITE) {
        b.dy = -b.dy;
        b.y += 2 * b.dy;
    }
}

} // namespace

int main(int argc, char** argv) {
    rt_start(argc, argv);
    gfx_window_title(rt_string_temp("qzgfx sprites", -1));
    if (gfx_screen_res(WIDTH, HEIGHT, 32, 2, 0, 0) != 0) {
        return 1;
    }
    ImageBuffer* sheet = gfx_image_load("resources/examples/sprites.bmp");
    ImageBuffer* frames[KINDS][FRAMES] = {};
    if (!sheet || !cut_sheet(sheet, frames)) {
        std::printf("cannot read resources/examples/sprites.bmp\n");
        return 1;
    }
    gfx_image_destroy(sheet);

    gfx_screen_set(1, 0); // draw on page 1, show page 0
    draw_scene();
    Ball balls[BALLS];
    for (int i = 0; i < BALLS; ++i) {
        balls[i] = {static_cast<float>(20 + i * 50),
                    static_cast<float>(30 + (i * 83) % 160),
                    static_cast<float>(1 + i % 4) * (i % 2 ? 1.0f : -1.0f),
                    static_cast<float>(1 + (i * 3) % 4),
                    i % KINDS,
                    gfx_image_create(SPRITE, SPRITE, 0, 0)};
    }

    for (int tick = 0;; ++tick) {
        for (Ball& b : balls) { // save what each ball will cover, before any is drawn
            gfx_get(b.x, b.y, b.x + SPRITE - 1, b.y + SPRITE - 1, b.under, 0);
        }
        for (Ball& b : balls) {
            gfx_put(b.x, b.y, frames[b.kind][(tick / 6) % FRAMES], GFX_PUT_TRANSPARENT, -1);
        }
        gfx_flip(-1, -1); // copy the work page to the shown page
        gfx_screen_sync();
        for (Ball& b : balls) { // give the scene back, then move on
            gfx_put(b.x, b.y, b.under, GFX_PUT_COPY, -1);
            move(b);
        }
        while (gfx_keyhit()) {
            const int key = gfx_getkey();
            if (key == 27 || key == 0x6BFF) { // Escape, or the window was closed
                return 0;
            }
        }
    }
}
