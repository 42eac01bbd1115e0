// Reading one console line from a stream.
#include "rt/line_reader.h"

#include <cstring>

namespace {

// Drops the rest of an input line that did not fit, so the next read starts on a new line.
void discard_rest_of_line(std::FILE* in) {
    int c = 0;
    while ((c = std::fgetc(in)) != EOF && c != '\n') {
    }
}

} // namespace

// Reads with fgets, then trims the line end or drops what did not fit.
char* rt_read_line(std::FILE* in, char* buffer, int size) {
    if (size == 1) {
        const int c = std::fgetc(in);
        if (c == EOF) {
            return nullptr;
        }
        if (c != '\n') {
            discard_rest_of_line(in);
        }
        buffer[0] = '\0';
        return buffer;
    }
    if (!std::fgets(buffer, size, in)) {
        return nullptr;
    }
    size_t n = std::strlen(buffer);
    if (n > 0 && buffer[n - 1] == '\n') {
        buffer[--n] = '\0';
        if (n > 0 && buffer[n - 1] == '\r') {
            buffer[--n] = '\0';
        }
    } else if (!std::feof(in)) {
        discard_rest_of_line(in);
    }
    return buffer;
}
