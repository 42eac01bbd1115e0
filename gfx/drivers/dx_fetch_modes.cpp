// The display modes the DirectDraw driver can list, with or without an open screen.
#include <cstdlib>

#include "gfx/drivers/dx_state.h"
#include "gfx/win32/win32_window.h"

namespace {

constexpr HRESULT ENUM_GO_ON = DDENUMRET_OK;

} // namespace

// Appends a mode of the list's depth, counting a 16-bit mode with a 5-5-5 layout as 15 bits.
HRESULT WINAPI dx_enum_mode(DDSURFACEDESC* desc, void* context) {
    auto* list = static_cast<DxModeList*>(context);
    if (!desc || !list) {
        return ENUM_GO_ON;
    }
    int bits = static_cast<int>(desc->ddpfPixelFormat.dwRGBBitCount);
    if (bits == 16 && desc->ddpfPixelFormat.dwGBitMask == 0x3E0) {
        bits = 15;
    }
    if (bits != list->depth) {
        return ENUM_GO_ON;
    }
    auto* grown = static_cast<uint32_t*>(
        std::realloc(list->modes, static_cast<size_t>(list->count + 1) * sizeof *list->modes));
    if (!grown) {
        return ENUM_GO_ON;
    }
    list->modes = grown;
    list->modes[list->count++] = (desc->dwWidth << 16) | desc->dwHeight;
    return ENUM_GO_ON;
}

// Enumerates the standard display modes through the open screen's DirectDraw object, or through
// one made and dropped again for this call. The open screen's object is borrowed for the call,
// since a switch on the display thread may replace it meanwhile.
uint32_t* dx_fetch_modes(int depth, int* count) {
    HMODULE library = nullptr;
    win32_lock();
    IDirectDraw2* borrowed = dx_borrow_ddraw();
    win32_unlock();
    IDirectDraw2* ddraw = borrowed;
    if (!ddraw) {
        library = LoadLibraryA("ddraw.dll");
        if (!library) {
            return nullptr;
        }
        ddraw = dx_create_ddraw(library);
        if (!ddraw) {
            FreeLibrary(library);
            return nullptr;
        }
    }
    DxModeList list{depth, 0, nullptr};
    if (FAILED(ddraw->EnumDisplayModes(DDEDM_STANDARDVGAMODES, nullptr, &list, dx_enum_mode))) {
        std::free(list.modes);
        list = DxModeList{depth, 0, nullptr};
    }
    if (borrowed) {
        dx_return_ddraw(borrowed);
    } else {
        ddraw->Release();
    }
    if (library) {
        FreeLibrary(library);
    }
    if (count) {
        *count = list.count;
    }
    return list.modes;
}
