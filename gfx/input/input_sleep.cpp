// The runtime's sleep statement on a graphics screen: long sleeps end early when a key arrives.
#include "gfx/core/platform.h"
#include "gfx/core/test_seams.h"
#include "gfx/input/input.h"

InputSleepFn input_sleep_ms = platform_sleep_ms;

namespace {
constexpr int KEY_CHECK_INTERVAL_MS = 50;
constexpr int SHORTEST_CHECKED_SLEEP_MS = 100;
} // namespace

// -1 waits until a key is posted; ms of 100 or more sleeps in 50 ms steps, checking for a key
// before each step while more than 50 ms remain; shorter sleeps are not interrupted.
void gfx_sleep(int ms) {
    if (ms == -1) {
        while (!gfx_take_key_event()) {
            input_sleep_ms(KEY_CHECK_INTERVAL_MS);
        }
        return;
    }
    if (ms >= SHORTEST_CHECKED_SLEEP_MS) {
        while (ms > KEY_CHECK_INTERVAL_MS) {
            if (gfx_take_key_event()) {
                return;
            }
            input_sleep_ms(KEY_CHECK_INTERVAL_MS);
            ms -= KEY_CHECK_INTERVAL_MS;
        }
    }
    if (ms > 0) {
        input_sleep_ms(ms);
    }
}
