// The program thread's references to the display thread's DirectDraw object: taken under the
// window lock, given back without it, and always given back before the display thread lets go.
#include "gfx/drivers/dx_state.h"

namespace {

// The longest the display thread waits for borrowed references: one vertical blank or one mode
// list takes far less.
constexpr int BORROW_WAIT_MS = 2000;

} // namespace

// Counts the reference before taking it, so that the display thread sees it from now on.
IDirectDraw2* dx_borrow_ddraw() {
    IDirectDraw2* ddraw = dx.ddraw;
    if (ddraw) {
        InterlockedIncrement(&dx.ddraw_borrowed);
        ddraw->AddRef();
    }
    return ddraw;
}

// Releases, then uncounts: while the count is above zero the display thread still holds its own.
void dx_return_ddraw(IDirectDraw2* ddraw) {
    if (ddraw) {
        ddraw->Release();
        InterlockedDecrement(&dx.ddraw_borrowed);
    }
}

// Waits until every borrowed reference is given back (or the wait runs out), so that the display
// thread's release is the last.
void dx_wait_for_borrowed() {
    for (int waited = 0; dx.ddraw_borrowed > 0 && waited < BORROW_WAIT_MS; ++waited) {
        Sleep(1);
    }
}
