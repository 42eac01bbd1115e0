// The OpenGL driver's window, pixel format, rendering context and frame presentation.
#include <windows.h>

#include "gfx/core/driver_report.h"
#include "gfx/core/types.h"
#include "gfx/drivers/opengl_driver.h"
#include "gfx/input/input.h"
#include "gfx/win32/win32_software.h"

namespace {

using WglCreateContextFn = HGLRC(WINAPI*)(HDC);
using WglMakeCurrentFn = BOOL(WINAPI*)(HDC, HGLRC);
using WglDeleteContextFn = BOOL(WINAPI*)(HGLRC);

// The initial window style; enter_mode replaces it with the windowed or full-screen one.
constexpr DWORD INITIAL_STYLE = WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CAPTION |
                                WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
constexpr int INITIAL_WIDTH = 320;
constexpr int INITIAL_HEIGHT = 200;

// The driver's own state, zeroed at every init.
struct OpenGLState {
    HMODULE library;
    WglCreateContextFn create_context;
    WglMakeCurrentFn make_current;
    WglDeleteContextFn delete_context;
    HGLRC context;
    HDC dc;
};

OpenGLState gl;

// Looks up a function of the GL library by name, as the pointer type F.
template <typename F>
F gl_entry(const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(gl.library, name)));
}

// Loads opengl32.dll and the three WGL context functions. false when any is missing.
bool load_gl_library() {
    gl.library = LoadLibraryA("opengl32.dll");
    if (!gl.library) {
        return false;
    }
    gl.create_context = gl_entry<WglCreateContextFn>("wglCreateContext");
    gl.make_current = gl_entry<WglMakeCurrentFn>("wglMakeCurrent");
    gl.delete_context = gl_entry<WglDeleteContextFn>("wglDeleteContext");
    return gl.create_context && gl.make_current && gl.delete_context;
}

// The pixel format the screen asks for: double-buffered RGBA of the stored depth with a 32-bit
// depth buffer, and stencil and accumulation bits when the flags ask for them.
PIXELFORMATDESCRIPTOR pixel_format_request() {
    PIXELFORMATDESCRIPTOR pfd{};
    pfd.nSize = sizeof pfd;
    pfd.nVersion = 1;
    pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    pfd.iPixelType = PFD_TYPE_RGBA;
    pfd.cColorBits = static_cast<BYTE>(win32_window.depth);
    pfd.cDepthBits = 32;
    pfd.cStencilBits = (win32_window.flags & SCREEN_STENCIL_BUFFER) ? 8 : 0;
    pfd.cAccumBits = (win32_window.flags & SCREEN_ACCUM_BUFFER) ? 32 : 0;
    pfd.iLayerType = PFD_MAIN_PLANE;
    return pfd;
}

// The window procedure's paint requests need nothing from this driver.
void paint_nothing() {}

// The lock, unlock and palette slots: everything runs on one thread, and there is no palette.
void lock_nothing() {}
void palette_nothing(int, int, int, int) {}

} // namespace

// Opens the OpenGL screen on the calling thread; see the header.
int opengl_init(const char* title, int width, int height, int depth, int refresh_rate, int flags) {
    gl = OpenGLState{};
    const Win32ModeHooks hooks = {
        .enter_mode = opengl_enter_mode, .leave_mode = opengl_leave_mode, .paint = paint_nothing};
    if (win32_open(hooks, nullptr, title, width, height, depth, refresh_rate, flags) != 0) {
        return -1;
    }
    if (!load_gl_library()) {
        return gfx_driver_refuse("could not load opengl32.dll");
    }

    win32_window.hwnd = CreateWindowExA(0, win32_window.class_name, win32_window.title,
                                        INITIAL_STYLE, 0, 0, INITIAL_WIDTH, INITIAL_HEIGHT, nullptr,
                                        nullptr, win32_window.hinstance, nullptr);
    if (!win32_window.hwnd) {
        return gfx_driver_refuse("could not make its window");
    }
    if (opengl_enter_mode() != 0) {
        return gfx_driver_refuse("the display refused a %d x %d full-screen mode at %d bits",
                                 win32_window.width, win32_window.height, win32_window.depth);
    }

    PIXELFORMATDESCRIPTOR pfd = pixel_format_request();
    gl.dc = GetDC(win32_window.hwnd);
    if (!gl.dc) {
        return -1;
    }
    int format = ChoosePixelFormat(gl.dc, &pfd);
    if (format == 0 || !SetPixelFormat(gl.dc, format, &pfd)) {
        return gfx_driver_refuse("found no pixel format for the screen");
    }
    gl.context = gl.create_context(gl.dc);
    if (!gl.context) {
        return gfx_driver_refuse("could not make a rendering context");
    }
    gl.make_current(gl.dc, gl.context);
    return 0;
}

// Releases whatever init made, in reverse order, and closes the window layer.
void opengl_exit() {
    if (gl.library) {
        if (gl.context) {
            gl.make_current(nullptr, nullptr);
            gl.delete_context(gl.context);
        }
        if (gl.dc) {
            ReleaseDC(win32_window.hwnd, gl.dc);
        }
        if (win32_window.flags & SCREEN_FULLSCREEN) {
            ChangeDisplaySettingsA(nullptr, 0);
        }
        if (win32_window.hwnd) {
            DestroyWindow(win32_window.hwnd);
        }
        FreeLibrary(gl.library);
    }
    gl = OpenGLState{};
    win32_window.hwnd = nullptr;
    win32_exit();
}

// Presents the frame; the window procedure runs here, on the drawing thread.
int opengl_flip() {
    if (win32_window.is_active) {
        sample_key_state();
    }
    win32_pump_messages();
    return SwapBuffers(gl.dc);
}

const GfxDriver GFX_DRIVER_OPENGL = {
    .name = "OpenGL",
    .init = opengl_init,
    .exit = opengl_exit,
    .lock = lock_nothing,
    .unlock = lock_nothing,
    .set_palette = palette_nothing,
    .wait_vsync = win32_wait_vsync,
    .get_mouse = win32_get_mouse,
    .set_mouse = win32_set_mouse,
    .set_window_title = win32_set_window_title,
    .fetch_modes = opengl_fetch_modes,
    .flip = [] { opengl_flip(); },
};
