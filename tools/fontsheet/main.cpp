// fontsheet: writes the display-list font's glyph sheet (font.tga) and metrics (font.metrics),
// made from the library's built-in 8 x 16 font, into the directory it is given.
#include <cstdio>
#include <string>

#include "gfx/core/builtin_data.h"
#include "glyph_sheet.h"

// Usage: fontsheet OUTPUT_DIR
int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fontsheet OUTPUT_DIR\n");
        return 2;
    }
    if (decode_builtin_data() != 0) {
        std::fprintf(stderr, "fontsheet: the built-in data does not decode\n");
        return 1;
    }
    const GlyphSheet font = make_glyph_sheet(FONT_8X16.glyphs, FONT_8X16.height);
    const std::string dir = argv[1];
    const std::string metrics_path = dir + "/font.metrics";
    std::FILE* metrics = std::fopen(metrics_path.c_str(), "wb");
    const bool metrics_written =
        metrics != nullptr &&
        std::fwrite(font.metrics.data(), 1, font.metrics.size(), metrics) == font.metrics.size();
    if (metrics != nullptr && std::fclose(metrics) != 0) {
        return 1;
    }
    if (!metrics_written || !write_tga(dir + "/font.tga", font.sheet, true)) {
        std::fprintf(stderr, "fontsheet: cannot write into %s\n", dir.c_str());
        return 1;
    }
    return 0;
}
