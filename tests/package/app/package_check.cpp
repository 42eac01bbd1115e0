// Uses an installed qzgfx through qzgfx.h alone, as a program outside the tree does.
//   package_check          windowless screens (run it with QZGFX=null)
//   package_check opengl   an OpenGL window (needs a display)
// Prints each failed check and ends with status 0 only when every check held.
#include <qzgfx.h>

#include <cstdio>
#include <cstring>

namespace {

int failures = 0;

// Counts and reports one check that did not hold.
void check(bool ok, const char* what) {
    if (!ok) {
        ++failures;
        std::printf("FAILED: %s\n", what);
    }
}

// Whether the open screen has this width, height, depth and pitch.
bool geometry_is(int width, int height, int depth, int pitch) {
    int w = 0, h = 0, d = 0, p = 0;
    return gfx_screen_info(&w, &h, &d, &p) == 0 && w == width && h == height && d == depth &&
           p == pitch;
}

// Windowless screens: geometry, drawing through the lock, pages, colours and errors.
void check_windowless() {
    check(gfx_screen_info(nullptr, nullptr, nullptr, nullptr) == 1 && rt_last_error() == 1,
          "no screen: info fails with error 1");
    check(gfx_screen_lock() == nullptr, "no screen: nothing to lock");

    check(gfx_screen(13, 0, 2, 0, 0) == 0, "mode 13 opens");
    check(geometry_is(320, 200, 8, 320), "mode 13 is 320 x 200 x 8");
    uint8_t* work = gfx_screen_lock();
    check(work != nullptr, "the work page can be locked");
    if (work) {
        for (int y = 0; y < 200; ++y) {
            std::memset(work + y * 320, y, 320);
        }
    }
    gfx_screen_unlock(0, 199);
    gfx_flip(0, 1);
    gfx_screen_set(1, 1);
    const uint8_t* shown = gfx_screen_lock();
    gfx_screen_unlock(0, -1);
    check(shown && shown != work && shown[150 * 320 + 7] == 150, "flip copies the drawn page");
    gfx_palette(1, 255, 0, 0);
    gfx_palette(-1, 0, 0, 0);
    check(gfx_screen_sync() == 0, "screen sync succeeds on an open screen");

    check(gfx_screen(3, 0, 1, 0, 0) == 1 && rt_last_error() == 1, "mode 3 fails with error 1");
    check(geometry_is(320, 200, 8, 320), "a refused mode keeps the old screen");

    check(gfx_screen_res(160, 100, 15, 1, 0, 0) == 0, "a 15-bit screen by size opens");
    check(geometry_is(160, 100, 16, 320), "15 bits are kept as 16");
    check(gfx_colour_to_native(0xFF0000) == 0xF800, "red in 5-6-5");
    check(gfx_screen_res(64, 48, 32, 1, SCREEN_NULL, 0) == 0, "SCREEN_NULL opens");
    check(gfx_colour_to_native(0x123456) == 0x123456, "true colour stays itself at 32 bits");

    int x = 0, y = 0, wheel = 0, buttons = 0;
    check(gfx_getmouse(&x, &y, &wheel, &buttons) == 1 && x == -1 && buttons == -1,
          "no window: no mouse");
    check(gfx_keyhit() == 0 && rt_multikey(1) == 0, "no key waits and none is down");
    gfx_window_title(rt_string_temp("package check", -1));
    check(gfx_screen(0, 0, 0, 0, 0) == 0 && gfx_screen_lock() == nullptr, "mode 0 closes");
}

// An OpenGL window: it opens, presents a frame and closes again.
void check_opengl() {
    check(gfx_screen_res(320, 200, 32, 1, SCREEN_OPENGL, 0) == 0, "an OpenGL screen opens");
    check(geometry_is(320, 200, 32, 1280), "the OpenGL screen is 320 x 200 x 32");
    gfx_window_title(rt_string_temp("package check", -1));
    gfx_flip(-1, -1);
    check(gfx_screen_sync() == 0, "screen sync succeeds on the window");
    check(gfx_screen(0, 0, 0, 0, 0) == 0, "the window closes");
}

} // namespace

// Runs the checks the argument names and reports the count of failures.
int main(int argc, char** argv) {
    rt_start(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "opengl") == 0) {
        check_opengl();
    } else {
        check_windowless();
    }
    std::printf("package check: %d failed\n", failures);
    return failures == 0 ? 0 : 1;
}
