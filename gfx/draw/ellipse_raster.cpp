// The outline of an ellipse with radii a and b, in one quadrant (x, y >= 0, y pointing away from
// the centre): where the curve is about 45 degrees steep or flatter (columns 0 .. X) column x
// holds the pixel at row yx(x), the curve's height rounded; where it is about as steep or steeper
// (rows 0 .. Y) row y holds the pixel at column xy(y). Both are the largest value whose half-pixel point still lies inside:
//     yx(x) = max { y : y = 0 or b^2 x^2 + a^2 (y - 1/2)^2 <= a^2 b^2 }
//     xy(y) = max { x : x = 0 or b^2 (x - 1/2)^2 + a^2 y^2 <= a^2 b^2 }
// The same double-precision tests decide every pixel whether it is reached by a closed form (at
// the first visible pixel) or by stepping from its neighbour, so a clipped ellipse puts exactly
// the pixels of the whole one; the four quadrants are mirror images, so it is symmetric.
#include "gfx/draw/ellipse_raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "gfx/core/pixel_fill.h"

namespace {

constexpr int64_t UNBOUNDED = INT64_MAX / 4;

// The quadrant's tests and limits.
struct Quadrant {
    double a2;
    double b2;
    double ab2;
    double a;
    double b;
    int64_t x_end; // X: last column of the flat part
    int64_t y_end; // Y: last row of the steep part
    int64_t x_cap; // no pixel lies further out than the rounded radii
    int64_t y_cap;
    bool exact;     // a circle small enough for the tests in whole numbers:
    int64_t limit4; //   4 x^2 + (2y - 1)^2 <= floor(4 r^2), exactly x^2 + (y - 1/2)^2 <= r^2

    explicit Quadrant(const EllipseShape& e)
        : a2(e.a * e.a), b2(e.b * e.b), ab2(a2 * b2), a(e.a), b(e.b) {
        const double diagonal = std::sqrt(a2 + b2);
        // The 45-degree point lies at (a^2, b^2) / diagonal; both parts reach one pixel past it,
        // so that they overlap where they meet and leave no gap between them.
        x_end = diagonal > 0 ? static_cast<int64_t>(std::floor(a2 / diagonal)) + 1 : 0;
        y_end = diagonal > 0 ? static_cast<int64_t>(std::floor(b2 / diagonal)) + 1 : 0;
        x_cap = static_cast<int64_t>(std::floor(a + 0.5));
        y_cap = static_cast<int64_t>(std::floor(b + 0.5));
        x_end = std::min(x_end, x_cap);
        y_end = std::min(y_end, y_cap);
        exact = a == b && a < 67108864.0; // 2^26: every square below fits in 64 bits
        limit4 = exact ? static_cast<int64_t>(std::floor(4 * a2)) : 0;
    }

    // The circle's test for the point (x, y - 1/2), in whole numbers; x <= x_cap.
    bool inside_exact(int64_t x, int64_t y) const {
        const int64_t h = 2 * y - 1;
        return 4 * x * x + h * h <= limit4;
    }

    // Row y is still reached at column x (the half-pixel point below it lies inside).
    bool row_reached(int64_t x, int64_t y) const {
        if (y == 0) {
            return true;
        }
        if (y > y_cap) {
            return false;
        }
        if (exact) {
            return x <= x_cap && inside_exact(x, y);
        }
        const double fx = static_cast<double>(x);
        const double fy = static_cast<double>(y) - 0.5;
        return b2 * (fx * fx) + a2 * (fy * fy) <= ab2;
    }

    // Column x is still reached at row y.
    bool column_reached(int64_t x, int64_t y) const {
        if (x == 0) {
            return true;
        }
        if (x > x_cap) {
            return false;
        }
        if (exact) {
            return y <= y_cap && inside_exact(y, x);
        }
        const double fx = static_cast<double>(x) - 0.5;
        const double fy = static_cast<double>(y);
        return b2 * (fx * fx) + a2 * (fy * fy) <= ab2;
    }

    // The largest v in [-1, cap] with test(v) (test(-1) counts as true), from an estimate.
    template <typename Test>
    static int64_t largest(double estimate, int64_t cap, Test test) {
        int64_t v = -1;
        if (estimate >= 0) {
            v = estimate >= static_cast<double>(cap) ? cap : static_cast<int64_t>(estimate);
        }
        while (v < cap && test(v + 1)) {
            ++v;
        }
        while (v >= 0 && !test(v)) {
            --v;
        }
        return v;
    }

    // yx(x).
    int64_t row_at(int64_t x) const {
        const double t =
            a > 0 ? 1.0 - (static_cast<double>(x) / a) * (static_cast<double>(x) / a) : 0.0;
        return largest(b * std::sqrt(std::max(t, 0.0)) + 0.5, y_cap,
                       [&](int64_t y) { return y <= 0 || row_reached(x, y); });
    }

    // xy(y).
    int64_t column_at(int64_t y) const {
        const double t =
            b > 0 ? 1.0 - (static_cast<double>(y) / b) * (static_cast<double>(y) / b) : 0.0;
        return largest(a * std::sqrt(std::max(t, 0.0)) + 0.5, x_cap,
                       [&](int64_t x) { return x <= 0 || column_reached(x, y); });
    }

    // The last column whose row is at least k (k >= 1): -1 when none; yx(x) >= k means row k is
    // reached at x.
    int64_t last_column_reaching(int64_t k) const {
        if (k <= 0) {
            return UNBOUNDED;
        }
        const double h = b > 0 ? (static_cast<double>(k) - 0.5) / b : 2.0;
        const double estimate = a * std::sqrt(std::max(1.0 - h * h, 0.0));
        return largest(estimate, UNBOUNDED, [&](int64_t x) { return x < 0 || row_reached(x, k); });
    }

    // The last row whose column is at least k (k >= 1): -1 when none.
    int64_t last_row_reaching(int64_t k) const {
        if (k <= 0) {
            return UNBOUNDED;
        }
        const double w = a > 0 ? (static_cast<double>(k) - 0.5) / a : 2.0;
        const double estimate = b * std::sqrt(std::max(1.0 - w * w, 0.0));
        return largest(estimate, UNBOUNDED,
                       [&](int64_t y) { return y < 0 || column_reached(k, y); });
    }
};

// The part of the view in one quadrant's own coordinates: columns xa .. xb, rows ya .. yb.
struct QuadrantView {
    int64_t xa, xb, ya, yb;
};

// The view as seen from the centre in the quadrant with directions sx and sy.
QuadrantView quadrant_view(const DrawTarget& t, const EllipseShape& e, int sx, int sy) {
    QuadrantView v{};
    v.xa = sx > 0 ? t.left - e.cx : e.cx - t.right;
    v.xb = sx > 0 ? t.right - e.cx : e.cx - t.left;
    v.ya = sy > 0 ? t.top - e.cy : e.cy - t.bottom;
    v.yb = sy > 0 ? t.bottom - e.cy : e.cy - t.top;
    v.xa = std::max<int64_t>(v.xa, 0);
    v.ya = std::max<int64_t>(v.ya, 0);
    return v;
}

// Stores the pixel at (x, y) from the centre of quadrant (sx, sy) when the arc keeps it.
template <int bytes, bool arc_test>
inline void plot(const DrawTarget& t, const EllipseShape& e, const ArcRange& arc, int sx, int sy,
                 int64_t x, int64_t y, uint32_t colour) {
    const int64_t dx = sx * x;
    const int64_t dy = sy * y;
    if (arc_test && !arc.contains(dx, dy)) {
        return;
    }
    const int64_t py = e.cy + dy;
    draw_store(t.at(e.cx + dx, py), colour, bytes);
    if (t.dirty) {
        t.dirty[py] = 1;
    }
}

// The visible pixels of one quadrant: the flat part column by column, the steep part row by row.
template <int bytes, bool arc_test>
void outline_quadrant(const DrawTarget& t, const EllipseShape& e, const Quadrant& q,
                      const ArcRange& arc, int sx, int sy, uint32_t colour) {
    const QuadrantView v = quadrant_view(t, e, sx, sy);
    if (v.xa > v.xb || v.ya > v.yb) {
        return;
    }
    // Flat part: columns whose row lies in ya .. yb.
    const int64_t x_first = std::max(v.xa, q.last_column_reaching(v.yb + 1) + 1);
    const int64_t x_last = std::min({v.xb, q.x_end, q.last_column_reaching(v.ya)});
    if (x_first <= x_last) {
        int64_t y = q.row_at(x_first);
        for (int64_t x = x_first; x <= x_last; ++x) {
            while (y > 0 && !q.row_reached(x, y)) {
                --y;
            }
            plot<bytes, arc_test>(t, e, arc, sx, sy, x, y, colour);
        }
    }
    // Steep part: rows whose column lies in xa .. xb.
    const int64_t y_first = std::max(v.ya, q.last_row_reaching(v.xb + 1) + 1);
    const int64_t y_last = std::min({v.yb, q.y_end, q.last_row_reaching(v.xa)});
    if (y_first <= y_last) {
        int64_t x = q.column_at(y_first);
        for (int64_t y = y_first; y <= y_last; ++y) {
            while (x > 0 && !q.column_reached(x, y)) {
                --x;
            }
            plot<bytes, arc_test>(t, e, arc, sx, sy, x, y, colour);
        }
    }
}

// Whether the whole ellipse lies in the view.
bool wholly_inside(const DrawTarget& t, const EllipseShape& e, const Quadrant& q) {
    return e.cx - q.x_cap >= t.left && e.cx + q.x_cap <= t.right && e.cy - q.y_cap >= t.top &&
           e.cy + q.y_cap <= t.bottom;
}

// Stores the four mirror images of quadrant pixel (x, y) around the centre pixel c.
template <int bytes>
inline void plot_four(uint8_t* c, ptrdiff_t pitch, int64_t x, int64_t y, uint32_t colour) {
    const ptrdiff_t dx = static_cast<ptrdiff_t>(x) * bytes;
    const ptrdiff_t dy = static_cast<ptrdiff_t>(y) * pitch;
    draw_store(c + dy + dx, colour, bytes);
    draw_store(c + dy - dx, colour, bytes);
    draw_store(c - dy + dx, colour, bytes);
    draw_store(c - dy - dx, colour, bytes);
}

// An ellipse wholly in the view, without an arc: the four quadrants walked together, with no
// clipping to work out; every row from the top to the bottom of the ellipse gets pixels.
template <int bytes>
void outline_inside(const DrawTarget& t, const EllipseShape& e, const Quadrant& q,
                    uint32_t colour) {
    uint8_t* c = t.at(e.cx, e.cy);
    int64_t y = q.row_at(0);
    t.mark(e.cy - y, e.cy + y);
    for (int64_t x = 0; x <= q.x_end; ++x) {
        while (y > 0 && !q.row_reached(x, y)) {
            --y;
        }
        plot_four<bytes>(c, t.pitch, x, y, colour);
    }
    int64_t x = q.column_at(0);
    for (int64_t row = 0; row <= q.y_end; ++row) {
        while (x > 0 && !q.column_reached(x, row)) {
            --x;
        }
        plot_four<bytes>(c, t.pitch, x, row, colour);
    }
}

template <int bytes, bool arc_test>
void outline(const DrawTarget& t, const EllipseShape& e, uint32_t colour, const ArcRange& arc) {
    const Quadrant q(e);
    if (!arc_test && wholly_inside(t, e, q)) {
        outline_inside<bytes>(t, e, q, colour);
        return;
    }
    for (int sy = -1; sy <= 1; sy += 2) {
        for (int sx = -1; sx <= 1; sx += 2) {
            outline_quadrant<bytes, arc_test>(t, e, q, arc, sx, sy, colour);
        }
    }
}

// The outline's outermost column in row y of a quadrant, kept up to date row after row: the last
// column of the steep part while y <= Y, and the last flat-part column whose row is exactly y.
class RowExtent {
public:
    RowExtent(const Quadrant& q, int64_t y) : q_(q), y_(y) {
        reaching_ = q_.last_column_reaching(y);
        steep_ = y <= q_.y_end ? q_.column_at(y) : -1;
    }

    // The extent of the current row; -1 when no pixel lies there.
    int64_t extent() const {
        int64_t best = y_ <= q_.y_end ? steep_ : -1;
        const int64_t c = std::min(reaching_, q_.x_end);
        if (c >= 0 && !q_.row_reached(c, y_ + 1)) {
            best = std::max(best, c);
        }
        return best;
    }

    // Moves to the next row; a long way to step is taken by the closed form instead.
    void next() {
        ++y_;
        int steps = 0;
        while (reaching_ >= 0 && !q_.row_reached(reaching_, y_)) {
            if (++steps > 16) {
                reaching_ = q_.last_column_reaching(y_);
                break;
            }
            --reaching_;
        }
        if (y_ <= q_.y_end) {
            while (steep_ > 0 && !q_.column_reached(steep_, y_)) {
                --steep_;
            }
        }
    }

private:
    const Quadrant& q_;
    int64_t y_;
    int64_t reaching_; // last column whose row is at least y
    int64_t steep_;    // xy(y)
};

// Fills one row of the ellipse, columns cx - r .. cx + r clipped to the view.
template <int bytes, bool arc_test>
inline void fill_row(const DrawTarget& t, const EllipseShape& e, const ArcRange& arc, int64_t py,
                     int64_t r, uint32_t colour) {
    const int64_t x1 = std::max<int64_t>(e.cx - r, t.left);
    const int64_t x2 = std::min<int64_t>(e.cx + r, t.right);
    if (x1 > x2) {
        return;
    }
    if constexpr (arc_test) {
        for (int64_t x = x1; x <= x2; ++x) {
            if (arc.contains(x - e.cx, py - e.cy)) {
                draw_store(t.at(x, py), colour, bytes);
                t.mark(py, py);
            }
        }
    } else {
        fill_pixels(t.at(x1, py), colour, static_cast<size_t>(x2 - x1 + 1), bytes);
        if (t.dirty) {
            t.dirty[py] = 1;
        }
    }
}

// Fills the rows in the view, the lower half (the centre row with it) and the upper half together:
// both take the same outermost column, worked out once per distance from the centre.
// Room for the outermost column of every row of a quadrant, kept between calls; the drawing
// operations run on the program's one thread.
int64_t* extent_buffer(size_t rows) {
    static int64_t* buffer = nullptr;
    static size_t capacity = 0;
    if (rows > capacity) {
        void* grown = std::realloc(buffer, rows * sizeof(int64_t));
        if (!grown) {
            return nullptr;
        }
        buffer = static_cast<int64_t*>(grown);
        capacity = rows;
    }
    return buffer;
}

// An ellipse wholly in the view, without an arc: one walk along the quadrant's outline records
// the outermost column of each row, then each row is filled above and below the centre. False
// when there is no memory for the rows (the caller then fills row by row).
template <int bytes>
bool filled_inside(const DrawTarget& t, const EllipseShape& e, const Quadrant& q, uint32_t colour) {
    const int64_t top = q.row_at(0);
    int64_t* extent = extent_buffer(static_cast<size_t>(top) + 1);
    if (!extent) {
        return false;
    }
    std::fill(extent, extent + top + 1, int64_t{-1});
    int64_t y = top;
    for (int64_t x = 0; x <= q.x_end; ++x) {
        while (y > 0 && !q.row_reached(x, y)) {
            --y;
        }
        extent[y] = std::max(extent[y], x);
    }
    int64_t x = q.column_at(0);
    for (int64_t row = 0; row <= q.y_end; ++row) {
        while (x > 0 && !q.column_reached(x, row)) {
            --x;
        }
        extent[row] = std::max(extent[row], x);
    }
    uint8_t* c = t.at(e.cx, e.cy);
    for (int64_t row = 0; row <= top; ++row) {
        const int64_t r = extent[row];
        const ptrdiff_t dy = static_cast<ptrdiff_t>(row) * t.pitch;
        const auto n = static_cast<size_t>(2 * r + 1);
        uint8_t* left = c - static_cast<ptrdiff_t>(r) * bytes;
        fill_pixels(left + dy, colour, n, bytes);
        if (row > 0) {
            fill_pixels(left - dy, colour, n, bytes);
        }
    }
    t.mark(e.cy - top, e.cy + top);
    return true;
}

template <int bytes, bool arc_test>
void filled(const DrawTarget& t, const EllipseShape& e, uint32_t colour, const ArcRange& arc) {
    const Quadrant q(e);
    if (!arc_test && wholly_inside(t, e, q) && filled_inside<bytes>(t, e, q, colour)) {
        return;
    }
    const int64_t top_row = q.row_at(0);
    const QuadrantView below = quadrant_view(t, e, 1, 1);
    const QuadrantView above = quadrant_view(t, e, 1, -1);
    const int64_t below_first = below.ya;
    const int64_t below_last = std::min(below.yb, top_row);
    const int64_t above_first = std::max<int64_t>(above.ya, 1);
    const int64_t above_last = std::min(above.yb, top_row);
    const bool any_below = below_first <= below_last;
    const bool any_above = above_first <= above_last;
    if (!any_below && !any_above) {
        return;
    }
    const int64_t first = !any_below   ? above_first
                          : !any_above ? below_first
                                       : std::min(below_first, above_first);
    const int64_t last = !any_below   ? above_last
                         : !any_above ? below_last
                                      : std::max(below_last, above_last);
    RowExtent rows(q, first);
    for (int64_t y = first; y <= last; ++y, rows.next()) {
        const int64_t r = rows.extent();
        if (r < 0) {
            continue;
        }
        if (y >= below_first && y <= below_last) {
            fill_row<bytes, arc_test>(t, e, arc, e.cy + y, r, colour);
        }
        if (y >= above_first && y <= above_last) {
            fill_row<bytes, arc_test>(t, e, arc, e.cy - y, r, colour);
        }
    }
}

// Picks the instance for the pixel size and the arc.
template <template <int, bool> class Op>
void dispatch(const DrawTarget& t, const EllipseShape& e, uint32_t colour, const ArcRange& arc) {
    if (arc.whole) {
        switch (t.bytes) {
        case 1:
            return Op<1, false>::run(t, e, colour, arc);
        case 2:
            return Op<2, false>::run(t, e, colour, arc);
        default:
            return Op<4, false>::run(t, e, colour, arc);
        }
    }
    switch (t.bytes) {
    case 1:
        return Op<1, true>::run(t, e, colour, arc);
    case 2:
        return Op<2, true>::run(t, e, colour, arc);
    default:
        return Op<4, true>::run(t, e, colour, arc);
    }
}

template <int bytes, bool arc_test>
struct OutlineOp {
    static void run(const DrawTarget& t, const EllipseShape& e, uint32_t colour,
                    const ArcRange& arc) {
        outline<bytes, arc_test>(t, e, colour, arc);
    }
};

template <int bytes, bool arc_test>
struct FilledOp {
    static void run(const DrawTarget& t, const EllipseShape& e, uint32_t colour,
                    const ArcRange& arc) {
        filled<bytes, arc_test>(t, e, colour, arc);
    }
};

// The cross product of (ax, ay) and (bx, by): positive when b lies counter-clockwise of a.
double cross(double ax, double ay, double bx, double by) { return ax * by - ay * bx; }

} // namespace

// The pixel's direction as seen on the screen, tested against the two ends of the arc.
bool ArcRange::contains(int64_t dx, int64_t dy) const {
    if (whole || (dx == 0 && dy == 0)) {
        return true;
    }
    const double vx = static_cast<double>(dx);
    const double vy = -static_cast<double>(dy) * scan;
    if (!wide) {
        return cross(start_x, start_y, vx, vy) >= 0 && cross(vx, vy, end_x, end_y) >= 0;
    }
    return !(cross(end_x, end_y, vx, vy) > 0 && cross(vx, vy, start_x, start_y) > 0);
}

void draw_ellipse_outline(const DrawTarget& target, const EllipseShape& e, uint32_t colour,
                          const ArcRange& arc) {
    dispatch<OutlineOp>(target, e, colour, arc);
}

void draw_ellipse_filled(const DrawTarget& target, const EllipseShape& e, uint32_t colour,
                         const ArcRange& arc) {
    dispatch<FilledOp>(target, e, colour, arc);
}
