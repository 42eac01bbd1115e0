// imagegen: writes the demo's images, brick.tga and light.tga, and the sprites example's sheet,
// sprites.bmp, into the directory it is given.
#include <cstdio>
#include <string>

#include "bmp_write.h"
#include "pictures.h"
#include "tga_write.h"

// Usage: imagegen OUTPUT_DIR
int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: imagegen OUTPUT_DIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    if (!write_tga(dir + "/brick.tga", draw_brick_tile(), false) ||
        !write_tga(dir + "/light.tga", draw_glow(), true) ||
        !write_bmp(dir + "/sprites.bmp", draw_sprite_sheet())) {
        std::fprintf(stderr, "imagegen: cannot write into %s\n", dir.c_str());
        return 1;
    }
    return 0;
}
