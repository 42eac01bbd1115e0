// The window title buffer and its default: the program's file name.
#include "gfx/core/module_title.h"

#include <cstring>

#include "gfx/core/platform.h"
#include "gfx/core/screen.h"

char gfx_title[GFX_TITLE_SIZE] = {};

namespace {

// Whether c ends a directory name in a program path: a backslash, and natively also a slash.
bool is_separator(char c) {
#ifdef _WIN32
    return c == '\\';
#else
    return c == '\\' || c == '/';
#endif
}

} // namespace

// Keeps the part of path after the last directory separator, up to its last '.'.
void gfx_title_from_path(char* path) {
    const char* start = path;
    for (const char* p = path; *p; ++p) {
        if (is_separator(*p)) {
            start = p + 1;
        }
    }
    size_t length = std::strlen(start);
    std::memmove(path, start, length + 1);
    char* dot = std::strrchr(path, '.');
    if (dot) {
        *dot = '\0';
    }
}

// Reads the program's path into gfx_title and reduces it to the bare program name.
void gfx_title_from_module() {
    if (platform_module_path(gfx_title, GFX_TITLE_SIZE) <= 0) {
        gfx_title[0] = '\0';
        return;
    }
    gfx_title_from_path(gfx_title);
}
