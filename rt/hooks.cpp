// The runtime's hook table, empty until the graphics library opens a screen.
#include "rt/hooks.h"

RuntimeHooks rt_hooks = {};
