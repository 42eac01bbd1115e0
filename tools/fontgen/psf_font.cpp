// Reading of Linux console fonts (PSF version 1 and 2) with their Unicode tables.
#include "psf_font.h"

#include <charconv>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

constexpr uint8_t PSF1_MAGIC[2] = {0x36, 0x04};
constexpr uint8_t PSF1_MODE_512 = 0x01;
constexpr uint8_t PSF1_MODE_HAS_TABLE = 0x02;
constexpr uint8_t PSF1_MODE_HAS_SEQ = 0x04;
constexpr uint16_t PSF1_SEPARATOR = 0xFFFF;
constexpr uint16_t PSF1_START_SEQ = 0xFFFE;

constexpr uint8_t PSF2_MAGIC[4] = {0x72, 0xB5, 0x4A, 0x86};
constexpr uint32_t PSF2_HAS_TABLE = 0x01;
constexpr uint8_t PSF2_SEPARATOR = 0xFF;
constexpr uint8_t PSF2_START_SEQ = 0xFE;

// Reads a little-endian 32-bit value at offset at; the caller has checked the bounds.
uint32_t read_u32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}

// Records that glyph shows code point cp, unless an earlier glyph already claims it.
void claim(PsfFont& font, uint32_t cp, int glyph) { font.by_unicode.emplace(cp, glyph); }

// Decodes one UTF-8 character at b[at], advancing at. Returns false on a malformed sequence.
bool read_utf8(const std::vector<uint8_t>& b, size_t& at, uint32_t& cp) {
    uint8_t lead = b[at];
    int extra;
    if (lead < 0x80) {
        cp = lead;
        extra = 0;
    } else if ((lead & 0xE0) == 0xC0) {
        cp = lead & 0x1F;
        extra = 1;
    } else if ((lead & 0xF0) == 0xE0) {
        cp = lead & 0x0F;
        extra = 2;
    } else if ((lead & 0xF8) == 0xF0) {
        cp = lead & 0x07;
        extra = 3;
    } else {
        return false;
    }
    ++at;
    for (int i = 0; i < extra; ++i, ++at) {
        if (at >= b.size() || (b[at] & 0xC0) != 0x80) {
            return false;
        }
        cp = (cp << 6) | (b[at] & 0x3F);
    }
    return true;
}

// Parses a version 1 file: 256 or 512 glyphs, 16-bit Unicode table entries.
bool parse_psf1(const std::vector<uint8_t>& b, PsfFont& font, std::string& error) {
    if (b.size() < 4) {
        error = "truncated PSF1 header";
        return false;
    }
    uint8_t mode = b[2];
    font.height = b[3];
    font.glyph_count = (mode & PSF1_MODE_512) ? 512 : 256;
    size_t glyph_bytes = static_cast<size_t>(font.glyph_count) * font.height;
    if (font.height == 0 || b.size() < 4 + glyph_bytes) {
        error = "PSF1 glyph data truncated or empty";
        return false;
    }
    font.rows.assign(b.begin() + 4, b.begin() + 4 + static_cast<long>(glyph_bytes));
    if (!(mode & (PSF1_MODE_HAS_TABLE | PSF1_MODE_HAS_SEQ))) {
        return true;
    }
    size_t at = 4 + glyph_bytes;
    for (int glyph = 0; glyph < font.glyph_count; ++glyph) {
        bool in_sequences = false;
        while (true) {
            if (at + 2 > b.size()) {
                error = "PSF1 Unicode table truncated";
                return false;
            }
            uint16_t v = static_cast<uint16_t>(b[at] | (b[at + 1] << 8));
            at += 2;
            if (v == PSF1_SEPARATOR) {
                break;
            }
            if (v == PSF1_START_SEQ) {
                in_sequences = true;
            } else if (!in_sequences) {
                claim(font, v, glyph);
            }
        }
    }
    return true;
}

// Parses a version 2 file: any glyph count, UTF-8 Unicode table entries; width must be 8.
bool parse_psf2(const std::vector<uint8_t>& b, PsfFont& font, std::string& error) {
    if (b.size() < 32) {
        error = "truncated PSF2 header";
        return false;
    }
    uint32_t header_size = read_u32(b, 8);
    uint32_t flags = read_u32(b, 12);
    uint32_t count = read_u32(b, 16);
    uint32_t char_size = read_u32(b, 20);
    uint32_t height = read_u32(b, 24);
    uint32_t width = read_u32(b, 28);
    if (width != 8 || height == 0 || height > 64 || char_size != height || count == 0 ||
        count > 65536) {
        error = "unsupported PSF2 geometry (need 8 pixels wide, one byte per row)";
        return false;
    }
    size_t glyph_bytes = static_cast<size_t>(count) * char_size;
    if (header_size < 32 || header_size > b.size() || b.size() - header_size < glyph_bytes) {
        error = "PSF2 glyph data truncated";
        return false;
    }
    font.height = static_cast<int>(height);
    font.glyph_count = static_cast<int>(count);
    font.rows.assign(b.begin() + header_size,
                     b.begin() + header_size + static_cast<long>(glyph_bytes));
    if (!(flags & PSF2_HAS_TABLE)) {
        return true;
    }
    size_t at = header_size + glyph_bytes;
    for (int glyph = 0; glyph < font.glyph_count; ++glyph) {
        bool in_sequences = false;
        while (true) {
            if (at >= b.size()) {
                error = "PSF2 Unicode table truncated";
                return false;
            }
            if (b[at] == PSF2_SEPARATOR) {
                ++at;
                break;
            }
            if (b[at] == PSF2_START_SEQ) {
                in_sequences = true;
                ++at;
                continue;
            }
            uint32_t cp;
            if (!read_utf8(b, at, cp)) {
                error = "malformed UTF-8 in PSF2 Unicode table";
                return false;
            }
            if (!in_sequences) {
                claim(font, cp, glyph);
            }
        }
    }
    return true;
}

// Reads a whole decimal or 0x-prefixed hexadecimal number; false if text is anything else.
bool parse_number(const std::string& text, long& value) {
    bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const char* first = text.data() + (hex ? 2 : 0);
    const char* last = text.data() + text.size();
    auto [end, ec] = std::from_chars(first, last, value, hex ? 16 : 10);
    return ec == std::errc() && end == last && first != last;
}

} // namespace

// Parses an uncompressed PSF file of either version.
bool parse_psf(const std::vector<uint8_t>& bytes, PsfFont& font, std::string& error) {
    font = PsfFont{};
    if (bytes.size() >= 2 && bytes[0] == PSF1_MAGIC[0] && bytes[1] == PSF1_MAGIC[1]) {
        return parse_psf1(bytes, font, error);
    }
    if (bytes.size() >= 4 && bytes[0] == PSF2_MAGIC[0] && bytes[1] == PSF2_MAGIC[1] &&
        bytes[2] == PSF2_MAGIC[2] && bytes[3] == PSF2_MAGIC[3]) {
        return parse_psf2(bytes, font, error);
    }
    error = "not a PSF font (bad magic)";
    return false;
}

// Reads the whole file and parses it.
bool load_psf(const std::string& path, PsfFont& font, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open " + path;
        return false;
    }
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
    if (!parse_psf(bytes, font, error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}

// Parses a screen font map into font's Unicode table, checking every position against the font.
bool parse_font_map(const std::string& text, PsfFont& font, std::string& error) {
    font.by_unicode.clear();
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        line = line.substr(0, line.find('#'));
        std::istringstream fields(line);
        std::string position;
        if (!(fields >> position)) {
            continue;
        }
        long glyph = -1;
        if (!parse_number(position, glyph) || glyph < 0 || glyph >= font.glyph_count) {
            error = "font map line " + std::to_string(number) + ": bad glyph position";
            return false;
        }
        std::string code;
        while (fields >> code) {
            long cp = -1;
            bool ok = code.size() > 2 && (code[0] == 'U' || code[0] == 'u') && code[1] == '+' &&
                      parse_number("0x" + code.substr(2), cp) && cp >= 0 && cp <= 0x10FFFF;
            if (!ok) {
                error = "font map line " + std::to_string(number) + ": bad code point " + code;
                return false;
            }
            claim(font, static_cast<uint32_t>(cp), static_cast<int>(glyph));
        }
    }
    return true;
}

// Reads the whole map file and parses it.
bool load_font_map(const std::string& path, PsfFont& font, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open " + path;
        return false;
    }
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!parse_font_map(text, font, error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}
