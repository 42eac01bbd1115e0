// Helpers for the image reader tests: image files built byte by byte in the temporary directory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "demo/texture.h"

using Bytes = std::vector<uint8_t>;

// A CR LF line end as GoogleTest's output capture gives it back: on Windows the capture reads its
// file in text mode, which turns CR LF into LF.
#ifdef _WIN32
constexpr const char* CAPTURED_LINE_END = "\n";
#else
constexpr const char* CAPTURED_LINE_END = "\r\n";
#endif

// A tag that keeps this process's files apart from those of test runs going on beside it.
inline const std::string& temp_file_tag() {
    static const std::string tag = std::to_string(std::random_device{}());
    return tag;
}

// A file under the temporary directory that is removed when the test ends.
class TempFile {
public:
    explicit TempFile(const std::string& name, const Bytes& contents)
        : path_(
              (std::filesystem::temp_directory_path() / ("qzdemo_" + temp_file_tag() + "_" + name))
                  .string()) {
        std::FILE* f = std::fopen(path_.c_str(), "wb");
        if (f != nullptr) {
            if (!contents.empty()) {
                std::fwrite(contents.data(), 1, contents.size(), f);
            }
            std::fclose(f);
        }
    }
    ~TempFile() { std::remove(path_.c_str()); }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    const char* name() const { return path_.c_str(); }

private:
    std::string path_;
};

// Appends a little-endian value of `size` bytes.
inline void put_le(Bytes& b, uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        b.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
}

// A TGA header: the 12-byte prefix for image type `type`, then width, height, depth, descriptor.
inline Bytes tga_header(int type, int width, int height, int depth) {
    Bytes b = {0, 0, static_cast<uint8_t>(type), 0, 0, 0, 0, 0, 0, 0, 0, 0};
    put_le(b, static_cast<uint32_t>(width), 2);
    put_le(b, static_cast<uint32_t>(height), 2);
    b.push_back(static_cast<uint8_t>(depth));
    b.push_back(depth == 32 ? 8 : 0);
    return b;
}

// A BMP file header and 40-byte information header for the given layout.
inline Bytes bmp_headers(int32_t width, int32_t height, int bit_count, uint32_t data_offset,
                         uint32_t colours_used) {
    Bytes b = {'B', 'M'};
    put_le(b, 0, 4); // file size, not read
    put_le(b, 0, 4);
    put_le(b, data_offset, 4);
    put_le(b, 40, 4);
    put_le(b, static_cast<uint32_t>(width), 4);
    put_le(b, static_cast<uint32_t>(height), 4);
    put_le(b, 1, 2);
    put_le(b, static_cast<uint32_t>(bit_count), 2);
    put_le(b, 0, 4); // compression
    put_le(b, 0, 4);
    put_le(b, 2835, 4);
    put_le(b, 2835, 4);
    put_le(b, colours_used, 4);
    put_le(b, 0, 4);
    return b;
}

// Applies one to four random edits: a byte set to a random or extreme value, a cut, an insertion.
inline Bytes mutate(const Bytes& seed, std::mt19937& rng) {
    Bytes b = seed;
    const int edits = 1 + static_cast<int>(rng() % 4);
    for (int e = 0; e < edits && !b.empty(); ++e) {
        const std::size_t at = rng() % b.size();
        switch (rng() % 5) {
        case 0:
            b[at] = static_cast<uint8_t>(rng());
            break;
        case 1:
            b[at] = 0xFF;
            break;
        case 2:
            b[at] = 0x00;
            break;
        case 3:
            b.resize(at);
            break;
        default:
            b.insert(b.begin() + static_cast<std::ptrdiff_t>(at), static_cast<uint8_t>(rng()));
            break;
        }
    }
    return b;
}

// The decoded bytes of a texture, for comparison.
inline Bytes texture_bytes(const Texture& t) {
    const std::size_t n = static_cast<std::size_t>(t.width) * t.height * (t.bpp / 8);
    return t.pixels != nullptr ? Bytes(t.pixels, t.pixels + n) : Bytes();
}

// The whole contents of a file (empty when it cannot be read).
inline Bytes file_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The samples a list of tests/e2e/texture_samples.sh names: each file name and whether it is to
// be accepted.
inline std::vector<std::pair<std::string, bool>> read_sample_list(const std::string& list) {
    std::vector<std::pair<std::string, bool>> samples;
    std::ifstream in(list);
    std::string name, expect;
    while (in >> name >> expect) {
        samples.emplace_back(name, expect == "accept");
    }
    return samples;
}
