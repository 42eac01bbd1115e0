// The runtime's error number: set by failing statements, read back by the program.
#include "rt/rt.h"

namespace {
int last_error = RT_ERR_NONE;
}

// Records err as the last runtime error and hands it back to the caller.
int rt_set_error(int err) {
    last_error = err;
    return err;
}

// The error recorded last.
int rt_last_error() { return last_error; }
