// The sleep that gfx_sleep uses between its key checks: the platform's by default, replaceable
// so that the checks can be counted.
#pragma once

using InputSleepFn = void (*)(int ms);

// Sleeps ms milliseconds; initially platform_sleep_ms.
extern InputSleepFn input_sleep_ms;
