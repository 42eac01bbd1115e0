// The multikey query natively, without a graphics screen: there is no keyboard to ask.
#include "rt/platform.h"

// No key is ever reported down.
int rt_platform_multikey(int) { return 0; }
