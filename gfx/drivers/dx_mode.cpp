// Entering and leaving the DirectDraw driver's windowed or full-screen mode, and painting the
// window from the off-screen surface.
#include <cstdlib>

#include "gfx/blit/blitter.h"
#include "gfx/core/context.h"
#include "gfx/core/dirty_rows.h"
#include "gfx/core/driver_report.h"
#include "gfx/core/test_seams.h"
#include "gfx/core/types.h"
#include "gfx/drivers/dx_state.h"
#include "gfx/win32/win32_software.h"

namespace {

constexpr DWORD FULLSCREEN_STYLE = WS_POPUP | WS_VISIBLE;
constexpr DWORD WINDOWED_FRAME = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
constexpr DWORD FULLSCREEN_LEVEL = DDSCL_FULLSCREEN | DDSCL_ALLOWREBOOT | DDSCL_EXCLUSIVE;

// Looks up an entry point of a loaded library as the pointer type F.
template <typename F>
F library_entry(HMODULE library, const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

// Releases a COM interface if held and forgets it.
template <typename T>
void release(T*& object) {
    if (object) {
        object->Release();
    }
    object = nullptr;
}

// The full-screen search's attempt: one SetDisplayMode on the driver's DirectDraw object.
bool set_display_mode(void*, int width, int height, int depth, int refresh_rate, unsigned flags) {
    return SUCCEEDED(dx.ddraw->SetDisplayMode(static_cast<DWORD>(width), static_cast<DWORD>(height),
                                              static_cast<DWORD>(depth),
                                              static_cast<DWORD>(refresh_rate), flags));
}

// Whether the display lists a mode of this size at this depth (the search's first look, which
// changes nothing on the display).
bool mode_listed(void*, int width, int height, int depth, int, unsigned) {
    DxModeList list{depth, 0, nullptr};
    dx.ddraw->EnumDisplayModes(0, nullptr, &list, dx_enum_mode);
    const uint32_t wanted = (static_cast<uint32_t>(width) << 16) | static_cast<uint32_t>(height);
    bool found = false;
    for (int i = 0; i < list.count; ++i) {
        found = found || list.modes[i] == wanted;
    }
    std::free(list.modes);
    return found;
}

// Shares the display with other programs through a clipper on the window: every mode but a
// display mode of its own.
bool share_display() {
    if (FAILED(dx.ddraw->SetCooperativeLevel(win32_window.hwnd, DDSCL_NORMAL))) {
        return false;
    }
    if (FAILED(dx.ddraw->CreateClipper(0, &dx.clipper, nullptr))) {
        return false;
    }
    if (FAILED(dx.clipper->SetHWnd(0, win32_window.hwnd))) {
        return false;
    }
    dx.y_offset = 0;
    dx.fullscreen = false;
    return true;
}

// A borderless window over the whole display showing the off-screen surface, scaled and centred:
// full screen without a mode change, for a screen no larger than the display. A larger one is
// refused, as the display mode it needs was.
bool enter_over_desktop() {
    if (win32_window.width > GetSystemMetrics(SM_CXSCREEN) ||
        win32_window.height > GetSystemMetrics(SM_CYSCREEN)) {
        gfx_driver_refuse("found no display mode of %d x %d (or taller) at %d bits",
                          win32_window.width, win32_window.height, win32_window.depth);
        return false;
    }
    if (!win32_create_desktop_window() || !share_display()) {
        return false;
    }
    gfx_driver_report_detail("over the desktop at scale %d", win32_window.scale);
    return true;
}

// A borderless window over the whole screen, exclusive access and a display mode of the screen's
// width: the first standard height that fits, at the depth or its twin. The framebuffer is
// centred vertically in a taller mode. Where the display lists no such mode, or refuses each one,
// the screen goes over the desktop instead; the exclusive level is only taken for a listed mode,
// since giving it back and sharing the display with the same window does not work everywhere.
bool enter_fullscreen() {
    const int width = win32_window.width;
    const int height = win32_window.height;
    const int depth = win32_window.depth;
    const int rate = win32_window.refresh_rate;
    if (dx_search_display_mode(width, height, depth, rate, mode_listed, nullptr) < 0) {
        return enter_over_desktop();
    }
    win32_window.hwnd =
        CreateWindowExA(0, win32_window.class_name, win32_window.title, FULLSCREEN_STYLE, 0, 0,
                        GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr,
                        nullptr, win32_window.hinstance, nullptr);
    if (!win32_window.hwnd) {
        return false;
    }
    win32_window.scale = 1;
    win32_window.origin_x = 0;
    win32_window.origin_y = 0;
    win32_window.over_desktop = 0;
    if (FAILED(dx.ddraw->SetCooperativeLevel(win32_window.hwnd, FULLSCREEN_LEVEL))) {
        return false;
    }
    const int found = dx_search_display_mode(width, height, depth, rate, set_display_mode, nullptr);
    if (found >= 0) {
        dx.y_offset = (found - height) >> 1;
        return true;
    }
    dx.ddraw->SetCooperativeLevel(win32_window.hwnd, DDSCL_NORMAL);
    DestroyWindow(win32_window.hwnd);
    win32_window.hwnd = nullptr;
    return enter_over_desktop();
}

// A centred window whose client area is the screen's size, without the maximise box when
// switching is off, shared with other programs and clipped to the window's visible parts.
bool enter_windowed() {
    DWORD style = WS_VISIBLE | WINDOWED_FRAME;
    if (win32_window.flags & SCREEN_NO_SWITCH) {
        style &= ~static_cast<DWORD>(WS_MAXIMIZEBOX);
    }
    return win32_create_centred_window(style) && share_display();
}

// The primary surface and, in a window, the off-screen surface of the screen's size times the
// scale that the blitter writes and enlarges: a stretching Blt may blend, so it is never asked to
// stretch.
bool create_surfaces() {
    DDSURFACEDESC desc{};
    desc.dwSize = sizeof desc;
    desc.dwFlags = DDSD_CAPS;
    desc.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE;
    if (FAILED(dx.ddraw->CreateSurface(&desc, &dx.primary, nullptr))) {
        return false;
    }
    if (dx.fullscreen) {
        dx.target = dx.primary;
        return true;
    }
    if (FAILED(dx.primary->SetClipper(dx.clipper))) {
        return false;
    }
    desc = DDSURFACEDESC{};
    desc.dwSize = sizeof desc;
    desc.dwFlags = DDSD_CAPS | DDSD_HEIGHT | DDSD_WIDTH;
    desc.ddsCaps.dwCaps = DDSCAPS_VIDEOMEMORY;
    desc.dwWidth = static_cast<DWORD>(win32_window.width * win32_window.scale);
    desc.dwHeight = static_cast<DWORD>(win32_window.height * win32_window.scale);
    return SUCCEEDED(dx.ddraw->CreateSurface(&desc, &dx.target, nullptr));
}

// Reads the primary surface's format and picks the blitter for it; an 8-bit display gets a
// DirectDraw palette made from the window state's palette copy.
bool choose_pixel_format() {
    DDPIXELFORMAT format{};
    format.dwSize = sizeof format;
    if (FAILED(dx.primary->GetPixelFormat(&format)) || !(format.dwFlags & DDPF_RGB)) {
        return false;
    }
    int bits = static_cast<int>(format.dwRGBBitCount);
    int red_low = 0;
    if (bits == 8) {
        if (FAILED(dx.ddraw->CreatePalette(DDPCAPS_8BIT | DDPCAPS_ALLOW256,
                                           win32_window.palette_entries, &dx.palette, nullptr))) {
            return false;
        }
        if (FAILED(dx.primary->SetPalette(dx.palette))) {
            return false;
        }
        win32_window.palette_dirty = 0;
    } else if (bits == 16) {
        if (format.dwGBitMask == 0x3E0) {
            bits = 15;
        }
        if (format.dwRBitMask == 0x1F) {
            red_low = 1;
        }
    } else if (bits >= 24) {
        if (format.dwRBitMask == 0xFF) {
            red_low = 1;
        }
    }
    win32_window.blitter = select_blitter(bits, red_low);
    if (!win32_window.blitter) {
        gfx_driver_refuse("has no blitter for a %d-bit display", bits);
    }
    return win32_window.blitter != nullptr;
}

// Loads both libraries and makes the DirectDraw and DirectInput objects.
bool create_objects() {
    dx.ddraw_library = LoadLibraryA("ddraw.dll");
    if (!dx.ddraw_library) {
        return false;
    }
    dx.dinput_library = LoadLibraryA("dinput.dll");
    if (!dx.dinput_library) {
        return false;
    }
    auto dinput_create =
        library_entry<DxDirectInputCreateFn>(dx.dinput_library, "DirectInputCreateA");
    if (!dinput_create) {
        return false;
    }
    dx.ddraw = dx_create_ddraw(dx.ddraw_library);
    if (!dx.ddraw) {
        return false;
    }
    return SUCCEEDED(dinput_create(win32_window.hinstance, 0x0300, &dx.dinput, nullptr));
}

// The system keyboard in the standard 256-byte format, acquired, setting dx.key_event whenever a
// key changes. The event starts set, so that the display thread reads a new keyboard at once. A
// keyboard that cannot notify keeps no event, and is then read on every pass.
bool create_keyboard() {
    dx_build_keyboard_format();
    if (FAILED(dx.dinput->CreateDevice(DX_GUID_SYS_KEYBOARD, &dx.keyboard, nullptr))) {
        return false;
    }
    if (FAILED(dx.keyboard->SetDataFormat(&dx_keyboard_format.header))) {
        return false;
    }
    dx.key_event = CreateEventA(nullptr, FALSE, TRUE, nullptr);
    if (dx.key_event && FAILED(dx.keyboard->SetEventNotification(dx.key_event))) {
        CloseHandle(dx.key_event);
        dx.key_event = nullptr;
    }
    return dx.keyboard->Acquire() == DI_OK;
}

} // namespace

// Makes a DirectDraw object with "DirectDrawCreate" and trades it for its IDirectDraw2 face.
IDirectDraw2* dx_create_ddraw(HMODULE library) {
    auto create = library_entry<DxDirectDrawCreateFn>(library, "DirectDrawCreate");
    if (!create) {
        return nullptr;
    }
    IDirectDraw* first = nullptr;
    if (FAILED(create(nullptr, &first, nullptr)) || !first) {
        return nullptr;
    }
    IDirectDraw2* second = nullptr;
    const HRESULT asked =
        first->QueryInterface(DX_IID_DIRECTDRAW2, reinterpret_cast<void**>(&second));
    first->Release();
    return SUCCEEDED(asked) ? second : nullptr;
}

// Builds the current mode from nothing; see the header. Each step stops at its first failure.
int dx_enter_mode() {
    dx.primary = nullptr;
    dx.target = nullptr;
    dx.clipper = nullptr;
    dx.palette = nullptr;
    dx.keyboard = nullptr;
    dx.key_event = nullptr;
    dx.dinput = nullptr;
    dx.ddraw = nullptr;
    dx.vsync_requested = 0;
    dx.fullscreen = (win32_window.flags & SCREEN_FULLSCREEN) != 0;
    if (dx_refuse_to_open) {
        return gfx_driver_refuse("DirectDraw is not available");
    }
    if (!create_objects()) {
        return gfx_driver_refuse("could not load DirectDraw and DirectInput");
    }
    const bool made = dx.fullscreen ? enter_fullscreen() : enter_windowed();
    if (!made) {
        return gfx_driver_refuse("could not make its window");
    }
    if (!create_surfaces()) {
        return gfx_driver_refuse("could not make its surfaces");
    }
    if (!choose_pixel_format()) {
        return gfx_driver_refuse("cannot show the display's pixel format");
    }
    DWORD frequency = 0;
    dx.ddraw->GetMonitorFrequency(&frequency);
    if (gfx_context) {
        gfx_context->refresh_rate = static_cast<int>(frequency);
    }
    dx.vsync_event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (!dx.vsync_event) {
        return gfx_driver_refuse("could not make its vertical-blank event");
    }
    SetForegroundWindow(win32_window.hwnd);
    if (!create_keyboard()) {
        return gfx_driver_refuse("could not read the keyboard through DirectInput");
    }
    gfx_mark_all_rows_dirty(
        gfx_context); // new surfaces hold nothing yet: the first pass draws every row
    return 0;
}

// Releases the keyboard and DirectInput, blanks and releases the surfaces, gives back the display
// mode, releases DirectDraw once the program thread has given back what it borrowed, then destroys
// the window, frees the libraries and closes the event.
// Every handle is forgotten as it goes, so a second call (as a refused switch makes) does nothing.
void dx_leave_mode() {
    if (dx.dinput) {
        if (dx.keyboard) {
            dx.keyboard->Unacquire();
        }
        release(dx.keyboard);
        release(dx.dinput);
    }
    if (dx.key_event) {
        CloseHandle(dx.key_event);
        dx.key_event = nullptr;
    }
    if (dx.ddraw) {
        if (dx.fullscreen && dx.primary) {
            DDBLTFX fx{};
            fx.dwSize = sizeof fx;
            fx.dwFillColor = 0;
            RECT all{0, 0, win32_window.width, win32_window.height};
            dx.primary->Blt(&all, nullptr, nullptr, DDBLT_COLORFILL, &fx);
        }
        if (dx.target != dx.primary) {
            release(dx.target);
        }
        dx.target = nullptr;
        release(dx.palette);
        release(dx.clipper);
        release(dx.primary);
        if (dx.fullscreen) {
            dx.ddraw->RestoreDisplayMode();
            dx.ddraw->SetCooperativeLevel(win32_window.hwnd, DDSCL_NORMAL);
        }
        dx_wait_for_borrowed();
        release(dx.ddraw);
    }
    if (win32_window.hwnd) {
        DestroyWindow(win32_window.hwnd);
    }
    win32_window.hwnd = nullptr;
    if (dx.ddraw_library) {
        FreeLibrary(dx.ddraw_library);
    }
    dx.ddraw_library = nullptr;
    if (dx.dinput_library) {
        FreeLibrary(dx.dinput_library);
    }
    dx.dinput_library = nullptr;
    if (dx.vsync_event) {
        CloseHandle(dx.vsync_event);
    }
    dx.vsync_event = nullptr;
}

// Paints the client area around the picture black, then copies every row.
void dx_paint() {
    if (dx.fullscreen || !dx.primary || !dx.target || !win32_window.hwnd) {
        return;
    }
    if (win32_window.over_desktop) {
        HDC dc = GetDC(win32_window.hwnd);
        RECT client{};
        GetClientRect(win32_window.hwnd, &client);
        const int scale = win32_window.scale;
        const RECT picture{win32_window.origin_x, win32_window.origin_y,
                           win32_window.origin_x + win32_window.width * scale,
                           win32_window.origin_y + win32_window.height * scale};
        ExcludeClipRect(dc, picture.left, picture.top, picture.right, picture.bottom);
        FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        ReleaseDC(win32_window.hwnd, dc);
    }
    dx_show_rows(0, win32_window.height - 1);
}

// One Blt of the rows' band, already enlarged in the off-screen surface, to the picture's place
// on the display, clipped to what is visible of the window.
void dx_show_rows(int first, int last) {
    if (dx.fullscreen || !dx.primary || !dx.target || !win32_window.hwnd) {
        return;
    }
    const int scale = win32_window.scale > 0 ? win32_window.scale : 1;
    POINT origin{win32_window.origin_x, win32_window.origin_y};
    ClientToScreen(win32_window.hwnd, &origin);
    const int width = win32_window.width * scale;
    RECT destination{origin.x, origin.y + first * scale, origin.x + width,
                     origin.y + (last + 1) * scale};
    RECT source{0, first * scale, width, (last + 1) * scale};
    dx.primary->Blt(&destination, dx.target, &source, DDBLT_WAIT, nullptr);
}
