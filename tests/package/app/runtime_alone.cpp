// Links the runtime without the graphics library: the runtime must stand on its own.
#include <qzgfx.h>

#include <cstdio>

// Asks the console for a key that nobody presses and prints a line through the runtime.
int main(int argc, char** argv) {
    rt_start(argc, argv);
    const char line[] = "runtime alone";
    rt_print(line, sizeof line - 1, RT_PRINT_NEWLINE);
    return rt_multikey(1) == 0 ? 0 : 1;
}
