#include <cstdio>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "demo/texture.h"

// Writes text and CR LF in binary mode, so that the line end is the same on every console.
void write_console_line(const char* text) {
    std::fflush(stdout);
#ifdef _WIN32
    const int previous_mode = _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::fputs(text, stdout);
    std::fputs("\r\n", stdout);
    std::fflush(stdout);
#ifdef _WIN32
    if (previous_mode != -1) {
        _setmode(_fileno(stdout), previous_mode);
    }
#endif
}
