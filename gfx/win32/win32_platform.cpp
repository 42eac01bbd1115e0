// Platform services for Windows builds: the program's path and sleeping.
#include <windows.h>

#include "gfx/core/platform.h"

// Reads the program's path with GetModuleFileNameA, truncated to size - 1 characters.
int platform_module_path(char* buffer, int size) {
    if (!buffer || size <= 0) {
        return 0;
    }
    DWORD n = GetModuleFileNameA(nullptr, buffer, static_cast<DWORD>(size - 1));
    buffer[n] = '\0';
    return static_cast<int>(n);
}

// Sleeps for ms milliseconds.
void platform_sleep_ms(int ms) {
    if (ms > 0) {
        Sleep(static_cast<DWORD>(ms));
    }
}
