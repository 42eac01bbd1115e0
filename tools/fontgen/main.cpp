// Builds the packed built-in data block (three code page 437 fonts and four palettes) from
// uncompressed Linux console fonts and writes it as a C++ source file.
//
// Usage: fontgen OUTPUT.cpp SOURCES8x8 SOURCES8x14 SOURCES8x16
// Each SOURCES is a comma-separated list of uncompressed PSF fonts of that height, tried in order
// for every character; a font without a Unicode table of its own is given as FONT.psf=MAP.sfm.
// tools/gen-builtin-data.sh runs this with the fonts the library ships.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cp437.h"
#include "gfx/core/builtin_data.h"
#include "palettes.h"
#include "psf_font.h"

namespace {

constexpr size_t PACKED_CAPACITY = 2 * BUILTIN_DATA_SIZE + 16;

// Reverses the bits of a glyph row: console fonts keep the leftmost pixel in bit 7, the
// library in bit 0.
uint8_t reverse_bits(uint8_t v) {
    uint8_t r = 0;
    for (int i = 0; i < 8; ++i) {
        r = static_cast<uint8_t>(r | (((v >> i) & 1) << (7 - i)));
    }
    return r;
}

// One source font: its glyphs, its Unicode table and the name it is reported under.
struct SourceFont {
    PsfFont font;
    std::string name;
};

// The file name of path without directories.
std::string base_name(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Loads a comma-separated list of PATH or PATH=MAP entries of the given height.
bool load_sources(const std::string& list, int height, std::vector<SourceFont>& out) {
    std::istringstream items(list);
    std::string item;
    while (std::getline(items, item, ',')) {
        size_t eq = item.find('=');
        std::string path = item.substr(0, eq);
        SourceFont source;
        source.name = base_name(path);
        std::string error;
        if (!load_psf(path, source.font, error) ||
            (eq != std::string::npos && !load_font_map(item.substr(eq + 1), source.font, error))) {
            std::fprintf(stderr, "fontgen: %s\n", error.c_str());
            return false;
        }
        if (eq != std::string::npos) {
            source.name += " (table " + base_name(item.substr(eq + 1)) + ")";
        }
        if (source.font.height != height) {
            std::fprintf(stderr, "fontgen: %s is %d rows high, need %d\n", path.c_str(),
                         source.font.height, height);
            return false;
        }
        if (source.font.by_unicode.empty()) {
            std::fprintf(stderr, "fontgen: %s has no Unicode table; give one as FONT=MAP\n",
                         path.c_str());
            return false;
        }
        out.push_back(std::move(source));
    }
    if (out.empty()) {
        std::fprintf(stderr, "fontgen: no %d-row font given\n", height);
        return false;
    }
    return true;
}

// Finds the glyph of code page 437 character c in the first source that shows it, trying each
// font with every Unicode alternative of the character. Returns false when none has it.
bool find_glyph(const std::vector<SourceFont>& sources, int c, const SourceFont*& found,
                int& glyph) {
    for (const SourceFont& source : sources) {
        for (uint32_t cp : CP437_UNICODE[c].unicode) {
            auto it = (cp != 0) ? source.font.by_unicode.find(cp) : source.font.by_unicode.end();
            if (it != source.font.by_unicode.end()) {
                found = &source;
                glyph = it->second;
                return true;
            }
        }
    }
    return false;
}

// Appends the 256 code page 437 glyphs taken from sources to out, in the library's row format
// (glyph 0 blank), and describes in origin which font gave how many. Reports every character no
// source can show and returns false if there is any.
bool append_cp437_glyphs(const std::vector<SourceFont>& sources, int height,
                         std::vector<uint8_t>& out, std::string& origin) {
    bool complete = true;
    std::vector<int> used(sources.size(), 0);
    out.insert(out.end(), static_cast<size_t>(height), 0);
    for (int c = 1; c < 256; ++c) {
        const SourceFont* source = nullptr;
        int glyph = 0;
        if (!find_glyph(sources, c, source, glyph)) {
            std::fprintf(stderr, "fontgen: no %d-row font has character 0x%02X (U+%04X)\n", height,
                         c, CP437_UNICODE[c].unicode[0]);
            complete = false;
            out.insert(out.end(), static_cast<size_t>(height), 0);
            continue;
        }
        ++used[static_cast<size_t>(source - sources.data())];
        const uint8_t* rows = source->font.rows.data() + static_cast<size_t>(glyph) * height;
        for (int r = 0; r < height; ++r) {
            out.push_back(reverse_bits(rows[r]));
        }
    }
    for (size_t i = 0; i < sources.size(); ++i) {
        origin += (i ? ", " : "") + sources[i].name + ": " + std::to_string(used[i]) + " glyphs";
    }
    return complete;
}

// Writes the generated source file holding the packed block.
bool write_source(const std::string& path, const std::vector<uint8_t>& packed,
                  const std::string origins[3]) {
    std::ofstream out(path, std::ios::binary);
    if (!out) {
        std::fprintf(stderr, "fontgen: cannot write %s\n", path.c_str());
        return false;
    }
    out << "// Generated by tools/gen-builtin-data.sh (tools/fontgen); do not edit.\n"
           "// Regenerate with: tools/gen-builtin-data.sh [OUTPUT.cpp]\n"
           "// It needs the distribution's console fonts (packages kbd, console-data) and writes\n"
           "// gfx/core/builtin_data_packed.cpp by default.\n"
           "// The block expands to 10742 bytes: code page 437 fonts of 8x8, 8x14 and 8x16 pixels\n"
           "// and the 2-, 16-, 64- and 256-colour palettes. Glyph sources:\n";
    out << "//   8x8:  " << origins[0] << "\n//   8x14: " << origins[1]
        << "\n//   8x16: " << origins[2] << "\n";
    out << "#include \"gfx/core/builtin_data.h\"\n\n"
           "const uint8_t BUILTIN_DATA_PACKED[] = {\n";
    char buf[8];
    for (size_t i = 0; i < packed.size(); ++i) {
        if (i % 16 == 0) {
            out << "   ";
        }
        std::snprintf(buf, sizeof buf, " 0x%02X,", packed[i]);
        out << buf;
        if (i % 16 == 15 || i + 1 == packed.size()) {
            out << "\n";
        }
    }
    out << "};\n\nconst size_t BUILTIN_DATA_PACKED_SIZE = sizeof(BUILTIN_DATA_PACKED);\n";
    out.close();
    if (!out) {
        std::fprintf(stderr, "fontgen: error writing %s\n", path.c_str());
        return false;
    }
    return true;
}

} // namespace

// Loads the three fonts, assembles the raw block, packs it, checks that it unpacks to the same
// bytes, and writes the source file.
int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: fontgen OUTPUT.cpp SOURCES8x8 SOURCES8x14 SOURCES8x16\n"
                             "  SOURCES: FONT.psf[=MAP.sfm][,FONT.psf[=MAP.sfm]...]\n");
        return 2;
    }
    const int heights[3] = {8, 14, 16};
    std::string origins[3];
    std::vector<uint8_t> raw;
    bool ok = true;
    for (int i = 0; i < 3; ++i) {
        std::vector<SourceFont> sources;
        if (!load_sources(argv[2 + i], heights[i], sources)) {
            return 1;
        }
        ok = append_cp437_glyphs(sources, heights[i], raw, origins[i]) && ok;
    }
    if (!ok) {
        return 1;
    }
    for (const auto& palette :
         {make_palette_2(), make_palette_16(), make_palette_64(), make_palette_256()}) {
        raw.insert(raw.end(), palette.begin(), palette.end());
    }
    if (raw.size() != BUILTIN_DATA_SIZE) {
        std::fprintf(stderr, "fontgen: assembled %zu bytes, expected %zu\n", raw.size(),
                     BUILTIN_DATA_SIZE);
        return 1;
    }

    std::vector<uint8_t> packed(PACKED_CAPACITY);
    size_t packed_size = packed.size();
    if (lzw_encode(raw.data(), raw.size(), packed.data(), &packed_size) != 0) {
        std::fprintf(stderr, "fontgen: packing failed\n");
        return 1;
    }
    packed.resize(packed_size);
    std::vector<uint8_t> check(BUILTIN_DATA_SIZE);
    size_t check_size = check.size();
    if (lzw_decode(packed.data(), packed.size(), check.data(), &check_size) != 0 ||
        check_size != raw.size() || check != raw) {
        std::fprintf(stderr, "fontgen: packed block does not unpack to the raw data\n");
        return 1;
    }
    if (!write_source(argv[1], packed, origins)) {
        return 1;
    }
    std::printf("fontgen: %zu bytes packed into %zu (%zu codes)\n", raw.size(), packed.size(),
                packed.size() * 2 / 3);
    return 0;
}
