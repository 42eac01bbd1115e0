// Nearest palette colours, searched exhaustively and kept in a small direct-mapped cache.
#include "gfx/image/nearest_colour.h"

#include <cstring>

NearestColour::NearestColour(const uint32_t* palette, int count)
    : palette_(palette), count_(count) {
    std::memset(keys_, 0, sizeof keys_);
    std::memset(answers_, 0, sizeof answers_);
}

uint8_t NearestColour::find(uint8_t red, uint8_t green, uint8_t blue) {
    const uint32_t key =
        (static_cast<uint32_t>(red) << 16 | static_cast<uint32_t>(green) << 8 | blue) | 0x1000000;
    const uint32_t slot = ((key * 2654435761u) >> 20) & (CACHE_SIZE - 1);
    if (keys_[slot] == key) {
        return answers_[slot];
    }
    int best = 0;
    int best_distance = 1 << 30;
    for (int i = 0; i < count_; ++i) {
        const uint32_t entry = palette_[i];
        const int dr = static_cast<int>(entry & 0xFF) - red;
        const int dg = static_cast<int>((entry >> 8) & 0xFF) - green;
        const int db = static_cast<int>((entry >> 16) & 0xFF) - blue;
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < best_distance) {
            best_distance = distance;
            best = i;
        }
    }
    keys_[slot] = key;
    answers_[slot] = static_cast<uint8_t>(best);
    return static_cast<uint8_t>(best);
}
