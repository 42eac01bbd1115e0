// A fuzz input written to a file of this process, for the readers that take a file name.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

// The input file's path, made once per process.
inline std::string& fuzz_input_path() {
    static std::string path;
    return path;
}

// Removes the input file when the process ends.
inline void remove_fuzz_input() { std::remove(fuzz_input_path().c_str()); }

// Writes data to a file in the temporary directory named after this process and the given
// extension, and returns its path (empty when it cannot be written).
inline std::string write_fuzz_input(const uint8_t* data, std::size_t size, const char* extension) {
    std::string& path = fuzz_input_path();
    if (path.empty()) {
        path = "/tmp/qz_fuzz_" + std::to_string(static_cast<long>(getpid())) + "." + extension;
        std::atexit(remove_fuzz_input);
    }
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return {};
    }
    const bool written = size == 0 || std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && written ? path : std::string();
}
