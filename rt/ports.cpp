// The port statements: only a graphics screen emulates ports.
#include "rt/rt.h"

// Slot 17 on a graphics screen; the console has no port to read: -1.
int rt_port_in(uint16_t port) { return rt_hooks.port_in ? rt_hooks.port_in(port) : -1; }

// Slot 18 on a graphics screen; the console has no port to write: -1.
int rt_port_out(uint16_t port, uint8_t value) {
    return rt_hooks.port_out ? rt_hooks.port_out(port, value) : -1;
}
