// The window layer's one state record, shared with the drivers and the window procedure.
#include <cstring>

#include "gfx/win32/win32_window.h"

Win32WindowState win32_window;
Win32LayerState win32_layer;

const char WIN32_CURSOR_MESSAGE_NAME[] = "QZ mouse cursor";
const char WIN32_CLASS_PREFIX[] = "qzgfxclass_";
const char WIN32_ICON_NAME[] = "QZ_PROGRAM_ICON";

// Zeroes the part of the state that each driver's init starts from.
void win32_clear_window_state() { std::memset(&win32_window, 0, sizeof win32_window); }
