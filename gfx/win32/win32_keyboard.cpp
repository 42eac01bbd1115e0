// The keyboard services of the key translation and key-state sampling, from user32.
#include <windows.h>

#include "gfx/input/keyboard_seam.h"

// The unshifted character of vk from the current keyboard layout.
unsigned keyboard_unshifted_char(int vk) {
    return MapVirtualKeyA(static_cast<UINT>(vk), MAPVK_VK_TO_CHAR);
}

// The thread's keyboard state, one byte per virtual key.
bool keyboard_state(uint8_t out[KEYBOARD_STATE_SIZE]) { return GetKeyboardState(out) != 0; }
