// What a software screen's window shows on the X display, read back with ImageMagick's import and
// compared with what the framebuffer says it must show. The GDI and the DirectDraw tests both read
// their windows through these helpers. A read that fails says why and is tried again, because on a
// busy machine import can fail or the window can still be moving when the first read is made.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "gfx/core/context.h"
#include "gfx/core/screen.h"
#include "gfx/core/types.h"
#include "gfx/win32/win32_window.h"
#include "tests/unit/blit_reference.h"
#include "tests/win32/unix_shell.h"

// A picture as 0x00RRGGBB pixels, row by row. `why` says what went wrong when it has no pixels.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
    std::string why;
    uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    bool empty() const { return pixels.empty(); }
};

// A rectangle of the X display: where a screen's picture lies.
struct DisplayArea {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
};

// Turns a Unix path under / into the path Wine's drive Z: gives it.
inline std::string wine_path(const std::string& unix_path) {
    std::string path = "Z:" + unix_path;
    for (char& c : path) {
        if (c == '/') {
            c = '\\';
        }
    }
    return path;
}

// The whole of a small file as text (at most 4 KiB); empty when it cannot be read.
inline std::string read_small_file(const std::string& windows_path) {
    std::string text;
    if (FILE* f = std::fopen(windows_path.c_str(), "rb")) {
        char buffer[4096];
        text.assign(buffer, std::fread(buffer, 1, sizeof buffer, f));
        std::fclose(f);
    }
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.pop_back();
    }
    return text;
}

// The shell command that saves `area` of the X display's root window in unix_path as raw 8-bit
// R, G, B, with import's own messages in unix_path.err.
inline std::string import_command(const DisplayArea& area, const std::string& unix_path) {
    return "import -silent -window root -crop " + std::to_string(area.w) + "x" +
           std::to_string(area.h) + "+" + std::to_string(area.x) + "+" + std::to_string(area.y) +
           " +repage -depth 8 rgb:" + unix_path + " 2>" + unix_path + ".err";
}

// The picture that import_command left in unix_path, which it then removes with its message
// file. On failure the picture is empty and `why` says how much of it was there and what import
// said.
inline Picture take_import_picture(const DisplayArea& area, const std::string& unix_path) {
    Picture shot;
    const std::string message = read_small_file(wine_path(unix_path + ".err"));
    DeleteFileA(wine_path(unix_path + ".err").c_str());
    std::vector<uint8_t> rgb(static_cast<size_t>(area.w) * area.h * 3);
    size_t got = 0;
    if (FILE* f = std::fopen(wine_path(unix_path).c_str(), "rb")) {
        got = std::fread(rgb.data(), 1, rgb.size(), f);
        std::fclose(f);
    }
    DeleteFileA(wine_path(unix_path).c_str());
    if (got != rgb.size()) {
        shot.why = "the picture file held " + std::to_string(got) + " of " +
                   std::to_string(rgb.size()) + " bytes" +
                   (message.empty() ? "" : "; import said: " + message);
        return shot;
    }
    shot.width = area.w;
    shot.height = area.h;
    shot.pixels.resize(rgb.size() / 3);
    for (size_t i = 0; i < shot.pixels.size(); ++i) {
        shot.pixels[i] =
            uint32_t{rgb[3 * i]} << 16 | uint32_t{rgb[3 * i + 1]} << 8 | rgb[3 * i + 2];
    }
    return shot;
}

// Whether `area` lies wholly on the display; otherwise says where it lies in `why`.
inline bool area_on_display(const DisplayArea& area, std::string* why) {
    const int display_w = GetSystemMetrics(SM_CXSCREEN);
    const int display_h = GetSystemMetrics(SM_CYSCREEN);
    if (area.w > 0 && area.h > 0 && area.x >= 0 && area.y >= 0 && area.x + area.w <= display_w &&
        area.y + area.h <= display_h) {
        return true;
    }
    char text[160];
    std::snprintf(text, sizeof text, "the area %dx%d at (%d, %d) is not inside the %dx%d display",
                  area.w, area.h, area.x, area.y, display_w, display_h);
    *why = text;
    return false;
}

// One read of `area` from the X display. On failure the picture is empty and `why` names the
// cause: the area lying outside the display, import's exit status and message, or a short file.
inline Picture read_x_display_once(const DisplayArea& area) {
    static int reads = 0;
    Picture shot;
    if (!area_on_display(area, &shot.why)) {
        return shot;
    }
    const std::string file = "/tmp/qzgfx-shot-" + std::to_string(GetCurrentProcessId()) + "-" +
                             std::to_string(++reads) + ".rgb";
    const int status = run_unix_shell(import_command(area, file), 60000);
    shot = take_import_picture(area, file);
    if (status != 0) {
        shot.pixels.clear();
        shot.why = "import of " + std::to_string(area.w) + "x" + std::to_string(area.h) + " at (" +
                   std::to_string(area.x) + ", " + std::to_string(area.y) + ") ended with status " +
                   std::to_string(status) + (shot.why.empty() ? "" : "; " + shot.why);
    }
    return shot;
}

// Reads the area that `locate` gives from the X display, asking `locate` again before each try
// so that a window still moving is followed. Up to four tries, waiting longer after each failed
// one; when all fail the picture is empty and `why` lists every try's cause.
template <typename Locate>
Picture read_x_display(Locate locate) {
    std::string causes;
    for (int attempt = 1; attempt <= 4; ++attempt) {
        Picture shot = read_x_display_once(locate());
        if (!shot.empty()) {
            return shot;
        }
        causes += (causes.empty() ? "" : "; ") + std::string("try ") + std::to_string(attempt) +
                  ": " + shot.why;
        Sleep(250 * attempt);
    }
    Picture failed;
    failed.why = "cannot read the X display: " + causes;
    return failed;
}

// Where the window's client area lies on the display: its origin from ClientToScreen, its size
// from GetClientRect.
inline DisplayArea client_area_on_display(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    return DisplayArea{origin.x, origin.y, static_cast<int>(client.right),
                       static_cast<int>(client.bottom)};
}

// The window's client area as the X display shows it.
inline Picture read_client_area(HWND window) {
    return read_x_display([window] { return client_area_on_display(window); });
}

// The scale the open screen's window shows it at (1 before a window set one).
inline int window_scale() { return win32_window.scale > 1 ? win32_window.scale : 1; }

// Where the open screen's picture lies on the display: in a display mode of its own the display's
// top-left corner of the screen's size, else its scaled size from the picture's origin on the
// window's client area.
inline DisplayArea picture_on_display() {
    const GfxContext* ctx = gfx_context;
    const int height = ctx->height * ctx->scanline_size;
    if ((win32_window.flags & SCREEN_FULLSCREEN) && !win32_window.over_desktop) {
        return DisplayArea{0, 0, ctx->width, height};
    }
    POINT origin{win32_window.origin_x, win32_window.origin_y};
    ClientToScreen(win32_window.hwnd, &origin);
    const int scale = window_scale();
    return DisplayArea{origin.x, origin.y, ctx->width * scale, height * scale};
}

// What the open screen shows: its picture as the X display has it.
inline Picture read_screen() { return read_x_display(picture_on_display); }

// Waits until the display thread has run a pass that found every mark cleared, that is until all
// marked rows are presented, then lets a few more passes run so that X has the last call's pixels.
// false when the marks stay for ten seconds.
inline bool wait_presented() {
    for (int i = 0; i < 2000; ++i) {
        bool clean = true;
        {
            GfxLockGuard lock(gfx_context);
            const int rows = gfx_context->height * gfx_context->scanline_size;
            for (int y = 0; y < rows && clean; ++y) {
                clean = gfx_context->dirty_rows[y] == 0;
            }
        }
        if (clean) {
            Sleep(60);
            return true;
        }
        Sleep(5);
    }
    return false;
}

// Marks every framebuffer row changed, under the lock.
inline void mark_all_dirty() {
    GfxLockGuard lock(gfx_context);
    std::memset(gfx_context->dirty_rows, 1, static_cast<size_t>(gfx_context->height));
}

// The colour that framebuffer pixel (x, y) of the visible page must show, from a plain reading of
// the pixel formats.
inline ReferenceRgb expected_colour(const GfxContext* ctx, int x, int y) {
    const int source_depth = ctx->bytes_per_pixel == 1 ? 8 : ctx->bytes_per_pixel * 8;
    const uint8_t* px = ctx->visible_buffer + static_cast<ptrdiff_t>(y) * ctx->pitch +
                        static_cast<ptrdiff_t>(x) * ctx->bytes_per_pixel;
    return reference_source(source_depth, px, ctx->palette);
}

// The same colour as 0x00RRGGBB, the layout of a Picture.
inline uint32_t expected_pixel(const GfxContext* ctx, int x, int y) {
    const ReferenceRgb c = expected_colour(ctx, x, y);
    return c.r << 16 | c.g << 8 | c.b;
}

// Bits per pixel of the display the windows are shown on.
inline int x_display_depth() {
    HDC dc = GetDC(nullptr);
    const int bits = GetDeviceCaps(dc, BITSPIXEL);
    ReleaseDC(nullptr, dc);
    return bits;
}

// The bits of each channel that a shown pixel must agree in. A 16-bit display keeps 5-6-5 bits;
// a 16-bit screen on GDI goes through a 5-5-5 bitmap, which keeps 5 bits of each, and the display
// may widen them either way; everything else must agree exactly.
inline uint32_t shown_bits(const GfxContext* ctx) {
    uint32_t keep = x_display_depth() == 16 ? 0xF8FCF8u : 0xFFFFFFu;
    if (ctx->bytes_per_pixel == 2 && ctx->driver && std::strcmp(ctx->driver->name, "GDI") == 0) {
        keep &= 0xF8F8F8u;
    }
    return keep;
}

// Whether a shown pixel is what a framebuffer pixel must look like (see shown_bits).
inline bool pixel_matches(const GfxContext* ctx, uint32_t shown, uint32_t expected) {
    const uint32_t keep = shown_bits(ctx);
    return (shown & keep) == (expected & keep);
}

// Compares a picture of the screen with its framebuffer, each framebuffer pixel standing for a
// block of `scale` x scale picture pixels, and each framebuffer row for scanline_size rows of
// blocks. Names the first differing pixel and counts the rest; a picture that could not be read
// fails with the reason.
inline ::testing::AssertionResult shows_framebuffer(const Picture& shot, int scale = 1) {
    if (shot.empty()) {
        return ::testing::AssertionFailure() << shot.why;
    }
    const GfxContext* ctx = gfx_context;
    const int scan = ctx->scanline_size;
    if (shot.width != ctx->width * scale || shot.height != ctx->height * scan * scale) {
        return ::testing::AssertionFailure()
               << "picture " << shot.width << "x" << shot.height << ", screen " << ctx->width << "x"
               << ctx->height * scan << " at scale " << scale;
    }
    const uint32_t keep = shown_bits(ctx);
    long wrong = 0;
    std::string first;
    for (int y = 0; y < shot.height; ++y) {
        for (int x = 0; x < shot.width; ++x) {
            const uint32_t want = expected_pixel(ctx, x / scale, y / scale / scan);
            const uint32_t got = shot.at(x, y);
            if ((got & keep) == (want & keep)) {
                continue;
            }
            if (wrong++ == 0) {
                char text[96];
                std::snprintf(text, sizeof text, "(%d, %d): shown %06X, framebuffer %06X", x, y,
                              static_cast<unsigned>(got), static_cast<unsigned>(want));
                first = text;
            }
        }
    }
    if (wrong == 0) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << wrong << " pixels differ on a " << x_display_depth()
                                         << "-bit display, first at " << first;
}

// Waits for the marked rows to be presented, then checks that the screen shows its framebuffer;
// `what` names the moment in the failure.
inline void expect_screen_shows_framebuffer(const char* what) {
    ASSERT_TRUE(wait_presented()) << what << ": rows were never presented";
    EXPECT_TRUE(shows_framebuffer(read_screen(), window_scale())) << what;
}
