// The runtime's mouse statements on a graphics screen, passed to the driver's mouse slots.
#include "gfx/core/context.h"
#include "gfx/input/input.h"
#include "rt/rt.h"

// Reads position, wheel and buttons from the driver. Without a screen, without a driver slot,
// or when the driver has nothing to give, all four are -1 and the result is runtime error 1.
// Any output pointer may be null.
int gfx_getmouse(int* x, int* y, int* wheel, int* buttons) {
    int x_local;
    int y_local;
    int wheel_local;
    int buttons_local;
    x = x ? x : &x_local;
    y = y ? y : &y_local;
    wheel = wheel ? wheel : &wheel_local;
    buttons = buttons ? buttons : &buttons_local;
    GfxContext* ctx = gfx_context;
    int result = -1;
    if (ctx && ctx->driver->get_mouse) {
        GfxLockGuard lock(ctx);
        result = ctx->driver->get_mouse(x, y, wheel, buttons);
    }
    if (result != 0) {
        *x = *y = *wheel = *buttons = -1;
        return rt_set_error(RT_ERR_ILLEGAL_CALL);
    }
    return 0;
}

// Moves the pointer (x >= 0) and shows (cursor > 0) or hides (0) it through the driver;
// runtime error 1 without a screen or a driver slot.
int gfx_setmouse(int x, int y, int cursor) {
    GfxContext* ctx = gfx_context;
    if (!ctx || !ctx->driver->set_mouse) {
        return rt_set_error(RT_ERR_ILLEGAL_CALL);
    }
    GfxLockGuard lock(ctx);
    ctx->driver->set_mouse(x, y, cursor);
    return 0;
}
