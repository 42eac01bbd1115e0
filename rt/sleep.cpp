// The sleep statement.
#include <chrono>
#include <thread>

#include "rt/platform.h"
#include "rt/rt.h"

// Sleeps through slot 23 on a graphics screen; on the console, for ms milliseconds, or until a
// key is pressed when ms is negative.
void rt_sleep(int ms) {
    if (rt_hooks.sleep) {
        rt_hooks.sleep(ms);
        return;
    }
    if (ms < 0) {
        rt_platform_wait_key();
    } else if (ms > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
}
