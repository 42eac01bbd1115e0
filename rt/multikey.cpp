// The multikey query.
#include "rt/platform.h"
#include "rt/rt.h"

// Asks slot 14 on a graphics screen, else the platform's keyboard.
int rt_multikey(int scancode) {
    if (rt_hooks.multikey) {
        return rt_hooks.multikey(scancode);
    }
    return rt_platform_multikey(scancode);
}
