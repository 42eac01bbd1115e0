// The display modes the OpenGL driver can offer.
#include <windows.h>

#include <cstdlib>

#include "gfx/drivers/opengl_driver.h"

// Lists every display mode of the given depth, once per enumerated mode (so a size offered at
// several refresh rates appears several times).
uint32_t* opengl_fetch_modes(int depth, int* count) {
    uint32_t* list = nullptr;
    int n = 0;
    DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    for (DWORD i = 0; EnumDisplaySettingsA(nullptr, i, &mode); ++i) {
        if (static_cast<int>(mode.dmBitsPerPel) != depth) {
            continue;
        }
        auto* grown = static_cast<uint32_t*>(std::realloc(list, (n + 1) * sizeof *list));
        if (!grown) {
            break;
        }
        list = grown;
        list[n++] = (mode.dmPelsWidth << 16) | mode.dmPelsHeight;
    }
    if (count) {
        *count = n;
    }
    return list;
}
