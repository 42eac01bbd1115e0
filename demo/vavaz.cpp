#include <cstdlib>

#include "demo/demo.h"
#include "qzgfx.h"

// Starts the runtime and the demo, draws frames until Escape is down after one, and exits with 0.
int main(int argc, char** argv) {
    rt_start(argc, argv);
    static DemoState state;
    start_demo(state);
    do {
        draw_frame(state);
    } while (rt_multikey(SC_ESCAPE) == 0);
    std::exit(0);
}
