// The console beep.
#include "rt/platform.h"
#include "rt/rt.h"

// Sounds the platform's beep; printing character 7 on a graphics screen comes here.
void rt_beep() { rt_platform_beep(); }
