// A line is walked from its end with the smaller major coordinate (x for lines at most 45 degrees
// steep, else y), so both directions give one pixel set: pixel i of the major axis sits at minor
// offset floor((2 i A + D) / 2D) for major length D and minor length A. Clipping works on that
// formula directly, so the walk starts at the first visible pixel and stops after the last one.
#include "gfx/draw/line_raster.h"

#include <algorithm>
#include <cstddef>

namespace {

// One line in walking order: the major axis is x (x_major) or y.
struct LineWalk {
    bool x_major;
    int64_t major0; // start on the major axis
    int64_t minor0; // start on the minor axis
    int64_t length; // D: major distance, >= 0
    int64_t rise;   // A: minor distance, 0 <= A <= D
    int sign;       // direction of the minor axis: 1 or -1
    bool reversed;  // walked from the caller's second point
};

// ceil(n / d) for n, d > 0.
uint64_t ceil_div(uint64_t n, uint64_t d) { return n / d + (n % d != 0); }

// The first step whose minor offset is at least k (0 <= k <= A).
int64_t first_step_reaching(const LineWalk& w, int64_t k) {
    if (k <= 0) {
        return 0;
    }
    const auto d = static_cast<uint64_t>(w.length);
    return static_cast<int64_t>(
        ceil_div(d * static_cast<uint64_t>(2 * k - 1), 2 * static_cast<uint64_t>(w.rise)));
}

// The last step whose minor offset is at most k (0 <= k <= A).
int64_t last_step_within(const LineWalk& w, int64_t k) {
    if (k >= w.rise) {
        return w.length;
    }
    const auto d = static_cast<uint64_t>(w.length);
    return static_cast<int64_t>(
               ceil_div(d * static_cast<uint64_t>(2 * k + 1), 2 * static_cast<uint64_t>(w.rise))) -
           1;
}

// The walk's visible steps first .. last on the view's ranges of the major and minor axes.
// False when none is visible.
bool visible_steps(const LineWalk& w, int64_t major_lo, int64_t major_hi, int64_t minor_lo,
                   int64_t minor_hi, int64_t* first, int64_t* last) {
    int64_t lo = std::max<int64_t>(0, major_lo - w.major0);
    int64_t hi = std::min<int64_t>(w.length, major_hi - w.major0);
    // The minor offsets that stay in the view.
    int64_t k_lo = w.sign > 0 ? minor_lo - w.minor0 : w.minor0 - minor_hi;
    int64_t k_hi = w.sign > 0 ? minor_hi - w.minor0 : w.minor0 - minor_lo;
    k_lo = std::max<int64_t>(k_lo, 0);
    k_hi = std::min<int64_t>(k_hi, w.rise);
    if (k_lo > k_hi) {
        return false;
    }
    if (w.rise > 0) {
        lo = std::max(lo, first_step_reaching(w, k_lo));
        hi = std::min(hi, last_step_within(w, k_hi));
    }
    *first = lo;
    *last = hi;
    return lo <= hi;
}

// Walks steps first .. last, storing pixels of type-size `bytes` and marking their rows.
template <int bytes, bool styled>
void walk(const DrawTarget& t, const LineWalk& w, int64_t first, int64_t last, uint32_t colour,
          uint16_t style) {
    const auto d2 = static_cast<uint64_t>(2 * w.length);
    const uint64_t start = 2 * static_cast<uint64_t>(first) * static_cast<uint64_t>(w.rise) +
                           static_cast<uint64_t>(w.length);
    int64_t error = static_cast<int64_t>(start % d2) - static_cast<int64_t>(d2);
    const int64_t offset = static_cast<int64_t>(start / d2);
    const int64_t major = w.major0 + first;
    const int64_t minor = w.minor0 + w.sign * offset;
    int64_t x = w.x_major ? major : minor;
    int64_t y = w.x_major ? minor : major;
    uint8_t* p = t.at(x, y);
    const ptrdiff_t major_step = w.x_major ? bytes : t.pitch;
    const ptrdiff_t minor_step = w.sign * (w.x_major ? t.pitch : bytes);
    const int64_t y_major_step = w.x_major ? 0 : 1;
    const int64_t y_minor_step = w.x_major ? w.sign : 0;
    const int64_t rise2 = 2 * w.rise;
    const int64_t first_row = y;
    int64_t last_row = y;
    for (int64_t i = first; i <= last; ++i) {
        bool draw = true;
        if constexpr (styled) {
            const int64_t index = w.reversed ? w.length - i : i;
            draw = (style & (0x8000u >> (index & 15))) != 0;
        }
        if (draw) {
            draw_store(p, colour, bytes);
            if (styled && t.dirty) {
                t.dirty[y] = 1;
            }
        }
        last_row = y;
        p += major_step;
        y += y_major_step;
        error += rise2;
        if (error >= 0) {
            error -= static_cast<int64_t>(d2);
            p += minor_step;
            y += y_minor_step;
        }
    }
    if (!styled) {
        // A solid line puts a pixel in every row between its first and its last.
        t.mark(std::min(first_row, last_row), std::max(first_row, last_row));
    }
}

// The walk for a solid line or for one with a style.
template <int bytes>
void walk_styled_or_not(const DrawTarget& t, const LineWalk& w, int64_t first, int64_t last,
                        uint32_t colour, uint16_t style) {
    if (style == 0xFFFF) {
        walk<bytes, false>(t, w, first, last, colour, style);
    } else {
        walk<bytes, true>(t, w, first, last, colour, style);
    }
}

} // namespace

// Puts the line in walking order, clips it on the formula and walks the visible steps.
void draw_line_pixels(const DrawTarget& target, int64_t x1, int64_t y1, int64_t x2, int64_t y2,
                      uint32_t colour, uint16_t style) {
    const int64_t dx = x2 - x1;
    const int64_t dy = y2 - y1;
    const bool x_major = (dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy);
    const int64_t a1 = x_major ? x1 : y1;
    const int64_t a2 = x_major ? x2 : y2;
    const int64_t b1 = x_major ? y1 : x1;
    const int64_t b2 = x_major ? y2 : x2;
    LineWalk w{};
    w.x_major = x_major;
    w.reversed = a2 < a1;
    w.major0 = w.reversed ? a2 : a1;
    w.minor0 = w.reversed ? b2 : b1;
    w.length = w.reversed ? a1 - a2 : a2 - a1;
    const int64_t minor_distance = w.reversed ? b1 - b2 : b2 - b1;
    w.sign = minor_distance < 0 ? -1 : 1;
    w.rise = minor_distance < 0 ? -minor_distance : minor_distance;
    const int64_t major_lo = x_major ? target.left : target.top;
    const int64_t major_hi = x_major ? target.right : target.bottom;
    const int64_t minor_lo = x_major ? target.top : target.left;
    const int64_t minor_hi = x_major ? target.bottom : target.right;
    int64_t first = 0;
    int64_t last = 0;
    if (!visible_steps(w, major_lo, major_hi, minor_lo, minor_hi, &first, &last)) {
        return;
    }
    if (w.length == 0) {
        w.length = 1; // a single pixel: one step of a line that never leaves it
        last = 0;
    }
    switch (target.bytes) {
    case 1:
        walk_styled_or_not<1>(target, w, first, last, colour, style);
        break;
    case 2:
        walk_styled_or_not<2>(target, w, first, last, colour, style);
        break;
    default:
        walk_styled_or_not<4>(target, w, first, last, colour, style);
        break;
    }
}
