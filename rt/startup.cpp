// The runtime's start-up and the arguments it keeps.
#include <cfenv>

#include "rt/rt.h"

namespace {
int kept_argc = 0;
char** kept_argv = nullptr;
} // namespace

// Keeps the arguments and sets rounding to nearest, ties to even, for every later conversion.
void rt_start(int argc, char** argv) {
    kept_argc = argc;
    kept_argv = argv;
    std::fesetround(FE_TONEAREST);
}

// The argument count kept by rt_start.
int rt_argc() { return kept_argc; }

// The argument vector kept by rt_start.
char** rt_argv() { return kept_argv; }
