// Platform services for native (POSIX) builds: the program's path and sleeping.
#include <cerrno>
#include <ctime>
#include <unistd.h>

#include "gfx/core/platform.h"

// Reads the program's path from /proc/self/exe, truncated to size - 1 characters.
int platform_module_path(char* buffer, int size) {
    if (!buffer || size <= 0) {
        return 0;
    }
    ssize_t n = readlink("/proc/self/exe", buffer, static_cast<size_t>(size - 1));
    if (n < 0) {
        buffer[0] = '\0';
        return 0;
    }
    buffer[n] = '\0';
    return static_cast<int>(n);
}

// Sleeps for ms milliseconds, resuming after signals until the time has passed.
void platform_sleep_ms(int ms) {
    if (ms <= 0) {
        return;
    }
    timespec left = {ms / 1000, static_cast<long>(ms % 1000) * 1000000L};
    while (nanosleep(&left, &left) != 0 && errno == EINTR) {
    }
}
