// The DirectDraw driver's keyboard: DirectInput's 256-byte keyboard state folded onto scancodes.
#include "gfx/core/context.h"
#include "gfx/drivers/dx_state.h"

const GUID DX_IID_DIRECTDRAW2 = {
    0xB3A6F3E0, 0x2B43, 0x11CF, {0xA2, 0xDE, 0x00, 0xAA, 0x00, 0xB9, 0x33, 0x56}};
const GUID DX_GUID_SYS_KEYBOARD = {
    0x6F1D2B61, 0xD5A0, 0x11CF, {0xBF, 0xC7, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};
const GUID DX_GUID_KEY = {
    0x55728220, 0xD33C, 0x11CF, {0xBF, 0xC7, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};

DxKeyboardFormat dx_keyboard_format;

namespace {

constexpr int KEY_STATE_SIZE = 128;
constexpr DWORD OPTIONAL_BUTTON = 0x8000000C; // DIDFT_OPTIONAL | DIDFT_BUTTON

} // namespace

// One optional button object per state byte, each of type GUID_Key at its own offset.
void dx_build_keyboard_format() {
    DIDATAFORMAT& header = dx_keyboard_format.header;
    header.dwSize = sizeof(DIDATAFORMAT);
    header.dwObjSize = sizeof(DIOBJECTDATAFORMAT);
    header.dwFlags = DIDF_RELAXIS;
    header.dwDataSize = DX_KEYBOARD_OBJECTS;
    header.dwNumObjs = DX_KEYBOARD_OBJECTS;
    header.rgodf = dx_keyboard_format.objects;
    for (DWORD i = 0; i < DX_KEYBOARD_OBJECTS; ++i) {
        DIOBJECTDATAFORMAT& object = dx_keyboard_format.objects[i];
        object.pguid = &DX_GUID_KEY;
        object.dwOfs = i;
        object.dwType = (i << 8) | OPTIONAL_BUTTON;
        object.dwFlags = 0;
    }
}

// A key is down when the high bit of its byte is set; an extended key (128 and up) counts for the
// scancode of its main-block twin.
void dx_fold_key_state(const uint8_t buffer[256], uint8_t key_state[128]) {
    for (int i = 0; i < KEY_STATE_SIZE; ++i) {
        key_state[i] = ((buffer[i] | buffer[i + KEY_STATE_SIZE]) & 0x80) ? 1 : 0;
    }
}

// Reads the keyboard; see the header. Only a successful read changes key_state.
bool dx_sample_keyboard() {
    GfxContext* ctx = gfx_context;
    if (!dx.keyboard || !ctx || !ctx->key_state) {
        return false;
    }
    uint8_t buffer[DX_KEYBOARD_OBJECTS] = {};
    const HRESULT read = dx.keyboard->GetDeviceState(sizeof buffer, buffer);
    if (read == DIERR_INPUTLOST || read == DIERR_NOTACQUIRED) {
        dx.keyboard->Acquire();
        return false;
    }
    if (FAILED(read)) {
        return false;
    }
    dx_fold_key_state(buffer, ctx->key_state);
    return true;
}
