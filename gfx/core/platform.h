// The few platform services that portable library code needs, implemented once per platform
// (gfx/win32/win32_platform.cpp, gfx/core/posix_platform.cpp).
#pragma once

// Writes the program's file path, zero-terminated, into buffer (at most size - 1 characters).
// Returns the number of characters written, 0 on failure.
int platform_module_path(char* buffer, int size);

// Sleeps for ms milliseconds.
void platform_sleep_ms(int ms);
