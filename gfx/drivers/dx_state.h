// The DirectDraw driver's own state and the pieces its files share.
#pragma once

#include <windows.h>

#define DIRECTINPUT_VERSION 0x0300
#include <ddraw.h>
#include <dinput.h>

#include "gfx/drivers/dx_driver.h"

constexpr int DX_KEYBOARD_OBJECTS = 256;

// Everything the driver holds; every handle and interface pointer is null when not held.
struct DxState {
    HMODULE ddraw_library;
    HMODULE dinput_library;
    IDirectDraw2* ddraw;
    IDirectDrawSurface* primary;
    IDirectDrawSurface* target; // the primary in full screen, an off-screen surface in a window
    IDirectDrawClipper* clipper;
    IDirectDrawPalette* palette; // only on an 8-bit display
    IDirectInputA* dinput;
    IDirectInputDeviceA* keyboard;
    HANDLE key_event;              // auto reset; set by DirectInput when a key goes down or up
    HANDLE vsync_event;            // manual reset; set once the program thread saw a vertical blank
    volatile LONG vsync_requested; // set by dx_wait_vsync, cleared by the display thread
    volatile LONG ddraw_borrowed;  // references to ddraw the program thread holds outside the lock
    int y_offset;                  // display rows above the first framebuffer row (full screen)
    bool fullscreen; // a display mode of the screen's own (exclusive), read by dx_leave_mode
};

extern DxState dx;

// The identifiers DirectDraw and DirectInput publish for what this driver asks for.
extern const GUID DX_IID_DIRECTDRAW2;
extern const GUID DX_GUID_SYS_KEYBOARD;
extern const GUID DX_GUID_KEY;

// The standard 256-byte keyboard data format, filled by dx_build_keyboard_format.
struct DxKeyboardFormat {
    DIDATAFORMAT header;
    DIOBJECTDATAFORMAT objects[DX_KEYBOARD_OBJECTS];
};
extern DxKeyboardFormat dx_keyboard_format;

// Fills dx_keyboard_format: one optional button per byte, each of type GUID_Key.
void dx_build_keyboard_format();

// Reads the keyboard into the open screen's key_state; a lost keyboard is acquired again and
// leaves key_state alone, as does any other failure. Returns whether key_state was read.
bool dx_sample_keyboard();

// The start of a pass, with the window lock held: the vertical-blank handshake, lost surfaces
// restored, a changed palette applied. Returns whether it called into DirectDraw beyond asking
// whether the surfaces were lost.
bool dx_prepare();

// Converts the marked rows into the target and shows it, with the window lock held. false when
// the target could not be locked or is smaller than the screen: nothing is presented then.
bool dx_present_span(int first, int last);

// Whether a locked surface has room for `height` rows of `width` pixels below row y_offset.
bool dx_surface_holds(const DDSURFACEDESC& desc, int width, int height, int y_offset);

// The signature of "DirectDrawCreate" and "DirectInputCreateA", looked up by name.
using DxDirectDrawCreateFn = HRESULT(WINAPI*)(GUID*, IDirectDraw**, IUnknown*);
using DxDirectInputCreateFn = HRESULT(WINAPI*)(HINSTANCE, DWORD, IDirectInputA**, IUnknown*);

// Takes a reference to the display thread's DirectDraw object for use outside the window lock, or
// null when there is none; the caller holds the lock. Give it back with dx_return_ddraw.
IDirectDraw2* dx_borrow_ddraw();

// Gives back a reference dx_borrow_ddraw took, without the lock. It is never the last one: the
// display thread waits for borrowed references before it releases its own, because the last
// release destroys the windows DirectDraw made on the display thread, which no other thread may
// destroy.
void dx_return_ddraw(IDirectDraw2* ddraw);

// The display thread, before it releases its DirectDraw object: waits, at most two seconds, until
// the program thread has given back every reference it borrowed.
void dx_wait_for_borrowed();

// Makes a DirectDraw object from a loaded "ddraw.dll" and asks it for IDirectDraw2. Null on
// any failure.
IDirectDraw2* dx_create_ddraw(HMODULE library);

// The accumulating list of dx_enum_mode.
struct DxModeList {
    int depth;
    int count;
    uint32_t* modes;
};

// EnumDisplayModes callback: appends the mode to the DxModeList when its depth matches.
HRESULT WINAPI dx_enum_mode(DDSURFACEDESC* desc, void* list);
