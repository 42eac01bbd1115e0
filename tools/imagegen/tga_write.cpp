#include "tga_write.h"

#include <cstdio>
#include <cstring>

namespace {

// The file's pixel (B G R [A]) for the picture's pixel at (x, y), y counted from the top.
std::vector<uint8_t> file_pixel(const Image& image, int x, int y) {
    const uint8_t* p =
        &image.pixels[(static_cast<std::size_t>(y) * image.width + x) * image.channels];
    std::vector<uint8_t> out = {p[2], p[1], p[0]};
    if (image.channels == 4) {
        out.push_back(p[3]);
    }
    return out;
}

// Encodes one row as run packets for repeats and raw packets for the rest (at most 128 each).
void encode_rle_row(const std::vector<std::vector<uint8_t>>& row, std::vector<uint8_t>& out) {
    std::size_t i = 0;
    while (i < row.size()) {
        std::size_t run = 1;
        while (i + run < row.size() && run < 128 && row[i + run] == row[i]) {
            ++run;
        }
        if (run > 1) {
            out.push_back(static_cast<uint8_t>(0x80 + run - 1));
            out.insert(out.end(), row[i].begin(), row[i].end());
            i += run;
            continue;
        }
        std::size_t raw = 1;
        while (i + raw < row.size() && raw < 128 &&
               !(i + raw + 1 < row.size() && row[i + raw] == row[i + raw + 1])) {
            ++raw;
        }
        out.push_back(static_cast<uint8_t>(raw - 1));
        for (std::size_t k = 0; k < raw; ++k) {
            out.insert(out.end(), row[i + k].begin(), row[i + k].end());
        }
        i += raw;
    }
}

} // namespace

// Header, then the rows from the bottom of the picture up (origin bits clear).
bool write_tga(const std::string& path, const Image& image, bool rle) {
    std::vector<uint8_t> out = {0, 0, static_cast<uint8_t>(rle ? 10 : 2), 0, 0, 0, 0, 0, 0, 0,
                                0, 0};
    out.push_back(static_cast<uint8_t>(image.width & 0xFF));
    out.push_back(static_cast<uint8_t>(image.width >> 8));
    out.push_back(static_cast<uint8_t>(image.height & 0xFF));
    out.push_back(static_cast<uint8_t>(image.height >> 8));
    out.push_back(static_cast<uint8_t>(image.channels * 8));
    out.push_back(image.channels == 4 ? 8 : 0);
    for (int y = image.height - 1; y >= 0; --y) {
        std::vector<std::vector<uint8_t>> row;
        for (int x = 0; x < image.width; ++x) {
            row.push_back(file_pixel(image, x, y));
        }
        if (rle) {
            encode_rle_row(row, out);
        } else {
            for (const auto& p : row) {
                out.insert(out.end(), p.begin(), p.end());
            }
        }
    }
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) {
        return false;
    }
    const bool ok = std::fwrite(out.data(), 1, out.size(), f) == out.size();
    return std::fclose(f) == 0 && ok;
}
