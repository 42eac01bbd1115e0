// Seams for the tests, and for nothing else: variables through which a test makes the library
// fail, or wait, in a way the test can watch. The library only reads them; each starts in the
// state in which it changes nothing, and a test that changes one puts it back.
#pragma once

#include "gfx/core/driver.h"

// When non-null, driver choice walks this null-terminated list instead of DRIVER_LIST.
extern const GfxDriver* const* gfx_driver_list_override;

// When positive, the screen allocation with this ordinal (1 = the next one) fails and the counter
// stops; 0 leaves every allocation to the C library.
extern int gfx_zalloc_fail_at;

// The sleep that gfx_sleep uses between its key checks: the platform's by default, replaced by a
// test that counts the checks.
using InputSleepFn = void (*)(int ms);
extern InputSleepFn input_sleep_ms;

// Windows builds: while non-zero, the DirectDraw driver refuses to open, as on a machine without
// DirectDraw.
extern volatile int dx_refuse_to_open;
