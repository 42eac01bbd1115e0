// Reading of Linux console fonts (PSF version 1 and 2) with their Unicode tables.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// A console font of 8-pixel-wide glyphs: rows as stored in the file (bit 7 leftmost) and the
// Unicode code points each glyph is declared to show.
struct PsfFont {
    int height = 0;
    int glyph_count = 0;
    std::vector<uint8_t> rows;          // glyph_count * height bytes
    std::map<uint32_t, int> by_unicode; // code point -> glyph index (first glyph that claims it)
};

// Parses an uncompressed PSF file held in bytes. Returns false and sets error on any fault.
bool parse_psf(const std::vector<uint8_t>& bytes, PsfFont& font, std::string& error);

// Replaces the Unicode table of font with the one in a screen font map: text lines of a glyph
// position (0xNN or decimal) followed by the U+XXXX code points it shows; '#' starts a comment.
// For fonts that carry no table of their own. Returns false and sets error on any fault.
bool parse_font_map(const std::string& text, PsfFont& font, std::string& error);

// Reads the screen font map at path into font's Unicode table (see parse_font_map).
bool load_font_map(const std::string& path, PsfFont& font, std::string& error);

// Reads and parses the PSF file at path. Returns false and sets error on any fault.
bool load_psf(const std::string& path, PsfFont& font, std::string& error);
