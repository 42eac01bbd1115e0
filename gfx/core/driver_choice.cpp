// Driver choice: the Null driver on request, else passes over the driver list.
#include "gfx/core/driver_choice.h"

#include <cctype>
#include <cstddef>
#include <cstdlib>

#include "gfx/core/driver_report.h"
#include "gfx/core/screen.h"
#include "gfx/core/test_seams.h"
#include "gfx/core/types.h"

const GfxDriver* const* gfx_driver_list_override = nullptr;

namespace {

// Whether a and b are the same text apart from letter case.
bool same_name(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b) {
        if (std::tolower(static_cast<unsigned char>(*a)) !=
            std::tolower(static_cast<unsigned char>(*b))) {
            return false;
        }
    }
    return *a == *b;
}

struct ScreenRequest {
    int width;
    int window_height;
    int depth;
    int refresh_rate;
};

// Opens driver with rate, closing it again when its init fails, and adds the try's line to the
// report. Returns whether it opened.
bool try_driver(const GfxDriver* driver, const ScreenRequest& request, int rate, int flags) {
    gfx_driver_report_begin_try();
    const bool opened = driver->init(gfx_title, request.width, request.window_height, request.depth,
                                     rate, flags) == 0;
    gfx_driver_report_try(driver->name, flags, rate, opened);
    if (!opened) {
        driver->exit();
    }
    return opened;
}

// Walks the driver list once, trying each admitted driver with the requested rate and then with
// rate 0. A non-null name admits only the driver of that name. Returns the driver that opened.
const GfxDriver* run_pass(const ScreenRequest& request, int flags, const char* name) {
    const GfxDriver* const* list =
        gfx_driver_list_override ? gfx_driver_list_override : DRIVER_LIST;
    for (; *list; ++list) {
        const GfxDriver* driver = *list;
        if (name && !same_name(driver->name, name)) {
            continue;
        }
        if (try_driver(driver, request, request.refresh_rate, flags) ||
            try_driver(driver, request, 0, flags)) {
            return driver;
        }
    }
    return nullptr;
}

struct Pass {
    bool by_name;           // admit only the driver that QZGFX names
    bool toggle_fullscreen; // try with SCREEN_FULLSCREEN flipped
};

// The passes without QZGFX: all drivers, then all drivers with full screen toggled.
constexpr Pass PASSES_ANY[] = {{false, false}, {false, true}};

// The passes when QZGFX names a driver: by name, all, by name again, all with full screen toggled.
constexpr Pass PASSES_NAMED[] = {{true, false}, {false, false}, {true, false}, {false, true}};

// Runs passes in order until one opens a driver.
template <size_t N>
const GfxDriver* run_passes(const Pass (&passes)[N], const ScreenRequest& request, int flags,
                            const char* wanted) {
    for (const Pass& pass : passes) {
        const int pass_flags = pass.toggle_fullscreen ? flags ^ SCREEN_FULLSCREEN : flags;
        if (const GfxDriver* driver =
                run_pass(request, pass_flags, pass.by_name ? wanted : nullptr)) {
            return driver;
        }
    }
    return nullptr;
}

} // namespace

// Picks the Null driver when asked for, else runs the passes over the driver list.
const GfxDriver* gfx_choose_driver(int width, int window_height, int depth, int refresh_rate,
                                   int flags) {
    if (flags == SCREEN_NULL) {
        gfx_driver_report_null("the program asked for a screen without a window");
        return &GFX_DRIVER_NULL;
    }
    const char* wanted = std::getenv("QZGFX");
    if (wanted && same_name(wanted, "null")) {
        gfx_driver_report_null("QZGFX is null");
        return &GFX_DRIVER_NULL;
    }
    const ScreenRequest request = {width, window_height, depth, refresh_rate};
    if (!wanted) {
        return run_passes(PASSES_ANY, request, flags, nullptr);
    }
    return run_passes(PASSES_NAMED, request, flags, wanted);
}
