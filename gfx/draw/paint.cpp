// gfx_paint: scanline flood fill. Each run of fillable pixels in a row is filled whole and put on
// an explicit stack; taking a run off the stack looks for new runs in the rows above and below it.
// Every run enters the stack once, so the stack never holds more runs than the view has pixels,
// and nothing recurses.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "gfx/core/context.h"
#include "gfx/core/pixel_fill.h"
#include "gfx/draw/draw_target.h"
#include "qzgfx.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

#if defined(__SSE2__)
// Sixteen bytes compared lane by lane with the pixel value v of T's size: a bit mask, one bit per
// byte, set where the lane holds v.
template <typename T>
inline unsigned lanes_equal(const uint8_t* p, T v) {
    const __m128i data = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    __m128i eq;
    if constexpr (sizeof(T) == 1) {
        eq = _mm_cmpeq_epi8(data, _mm_set1_epi8(static_cast<char>(v)));
    } else if constexpr (sizeof(T) == 2) {
        eq = _mm_cmpeq_epi16(data, _mm_set1_epi16(static_cast<short>(v)));
    } else {
        eq = _mm_cmpeq_epi32(data, _mm_set1_epi32(static_cast<int>(v)));
    }
    return static_cast<unsigned>(_mm_movemask_epi8(eq));
}
#endif

// The index of the first of count pixels from p on that equals v; count if none.
template <typename T>
int64_t find_forward(const uint8_t* p, int64_t count, T v) {
    int64_t i = 0;
#if defined(__SSE2__)
    constexpr int64_t per = 16 / sizeof(T);
    for (; i + per <= count; i += per) {
        if (const unsigned m = lanes_equal<T>(p + i * sizeof(T), v)) {
            return i + __builtin_ctz(m) / static_cast<int>(sizeof(T));
        }
    }
#endif
    for (; i < count; ++i) {
        T w;
        std::memcpy(&w, p + i * sizeof(T), sizeof w);
        if (w == v) {
            return i;
        }
    }
    return count;
}

// The number of pixels before p (at most count) that differ from v, going left until one equals
// it.
template <typename T>
int64_t count_backward(const uint8_t* p, int64_t count, T v) {
    int64_t i = 0;
#if defined(__SSE2__)
    constexpr int64_t per = 16 / sizeof(T);
    for (; i + per <= count; i += per) {
        if (const unsigned m = lanes_equal<T>(p - (i + per) * sizeof(T), v)) {
            return i + (15 - (31 - __builtin_clz(m))) / static_cast<int>(sizeof(T));
        }
    }
#endif
    for (; i < count; ++i) {
        T w;
        std::memcpy(&w, p - (i + 1) * sizeof(T), sizeof w);
        if (w == v) {
            return i;
        }
    }
    return count;
}

// A filled run: row y, columns x1 .. x2.
struct Run {
    int y;
    int x1;
    int x2;
};

// The growing stack of runs still to look around.
class RunStack {
public:
    ~RunStack() { std::free(runs_); }
    bool empty() const { return size_ == 0; }
    Run pop() { return runs_[--size_]; }
    // False when memory runs out.
    bool push(Run r) {
        if (size_ == capacity_) {
            const size_t grown = capacity_ ? 2 * capacity_ : 1024;
            void* p = std::realloc(runs_, grown * sizeof(Run));
            if (!p) {
                return false;
            }
            runs_ = static_cast<Run*>(p);
            capacity_ = grown;
        }
        runs_[size_++] = r;
        return true;
    }

private:
    Run* runs_ = nullptr;
    size_t size_ = 0;
    size_t capacity_ = 0;
};

// One bit per pixel of the view for the pixels already filled; needed only when the fill colour
// differs from the border colour, since filled pixels then look like unfilled ones.
class FilledBits {
public:
    FilledBits(const DrawTarget& t, bool needed) : left_(t.left), top_(t.top) {
        if (needed) {
            words_per_row_ = (static_cast<size_t>(t.right - t.left) + 64) / 64;
            bits_ = static_cast<uint64_t*>(std::calloc(
                words_per_row_ * static_cast<size_t>(t.bottom - t.top + 1), sizeof(uint64_t)));
            failed_ = bits_ == nullptr;
        }
    }
    ~FilledBits() { std::free(bits_); }
    bool failed() const { return failed_; }
    bool test(int x, int y) const {
        if (!bits_) {
            return false;
        }
        const size_t i = static_cast<size_t>(x - left_);
        return (row(y)[i / 64] >> (i % 64)) & 1;
    }
    // The last column from x on (up to `last`) before the first clear bit in row y; x must be set.
    int run_end(int x, int y, int last) const {
        const uint64_t* r = row(y);
        size_t i = static_cast<size_t>(x - left_);
        const size_t end = static_cast<size_t>(last - left_);
        while (i <= end) {
            const uint64_t clear = ~r[i / 64] >> (i % 64);
            if (clear) {
                i += static_cast<size_t>(__builtin_ctzll(clear));
                break;
            }
            i = (i / 64 + 1) * 64;
        }
        return static_cast<int>(std::min(i, end + 1)) + left_ - 1;
    }

    // Sets the bits of columns x1 .. x2 in row y, a word at a time.
    void set(int y, int x1, int x2) {
        if (!bits_) {
            return;
        }
        uint64_t* r = row(y);
        const size_t first = static_cast<size_t>(x1 - left_);
        const size_t last = static_cast<size_t>(x2 - left_);
        const size_t w1 = first / 64;
        const size_t w2 = last / 64;
        const uint64_t head = ~uint64_t{0} << (first % 64);
        const uint64_t tail = ~uint64_t{0} >> (63 - last % 64);
        if (w1 == w2) {
            r[w1] |= head & tail;
            return;
        }
        r[w1] |= head;
        for (size_t w = w1 + 1; w < w2; ++w) {
            r[w] = ~uint64_t{0};
        }
        r[w2] |= tail;
    }

private:
    uint64_t* row(int y) const { return bits_ + static_cast<size_t>(y - top_) * words_per_row_; }
    int left_;
    int top_;
    size_t words_per_row_ = 0;
    uint64_t* bits_ = nullptr;
    bool failed_ = false;
};

// The fill itself for pixels of one size.
template <typename T>
class Filler {
public:
    Filler(const DrawTarget& t, uint32_t fill, uint32_t border, FilledBits& bits)
        : t_(t), fill_(static_cast<T>(fill)), border_(static_cast<T>(border)), bits_(bits) {}

    // Fills from the seed; false when memory ran out.
    bool run(int x, int y) {
        if (!fillable(x, y)) {
            return true;
        }
        if (!take(x, y)) {
            return false;
        }
        while (!stack_.empty()) {
            const Run r = stack_.pop();
            if ((r.y > t_.top && !look(r, r.y - 1)) || (r.y < t_.bottom && !look(r, r.y + 1))) {
                return false;
            }
        }
        return true;
    }

private:
    T pixel(int x, int y) const {
        T v;
        std::memcpy(&v, t_.at(x, y), sizeof v);
        return v;
    }
    bool fillable(int x, int y) const { return pixel(x, y) != border_ && !bits_.test(x, y); }

    // The first column from x on (up to `last`) that holds the border colour; last + 1 if none.
    int border_at_or_after(int x, int y, int last) const {
        if constexpr (sizeof(T) == 1) {
            const uint8_t* p = t_.at(x, y);
            const void* hit = std::memchr(p, border_, static_cast<size_t>(last - x + 1));
            return hit ? x + static_cast<int>(static_cast<const uint8_t*>(hit) - p) : last + 1;
        } else {
            return x + static_cast<int>(find_forward<T>(t_.at(x, y), last - x + 1, border_));
        }
    }

    // Extends the fillable pixel (x, y) to its whole run, fills it and stacks it. Runs are always
    // filled whole, so a fresh pixel never touches a filled one in its row: only the border colour
    // and the view end a run.
    bool take(int x, int y, int* end = nullptr) {
        const int x1 = x - static_cast<int>(count_backward<T>(t_.at(x, y), x - t_.left, border_));
        const int x2 = border_at_or_after(x, y, t_.right) - 1;
        fill_pixels(t_.at(x1, y), fill_, static_cast<size_t>(x2 - x1 + 1), sizeof(T));
        bits_.set(y, x1, x2);
        t_.mark(y, y);
        if (end) {
            *end = x2;
        }
        return stack_.push(Run{y, x1, x2});
    }

    // Takes every fresh run of row y that touches columns r.x1 .. r.x2.
    bool look(const Run& r, int y) {
        int x = r.x1;
        while (x <= r.x2) {
            if (pixel(x, y) == border_) {
                ++x;
                continue;
            }
            if (bits_.test(x, y)) {
                // A filled run: skip it and the border pixel (or view edge) that ends it.
                x = bits_.run_end(x, y, t_.right) + 2;
                continue;
            }
            int end = x;
            if (!take(x, y, &end)) {
                return false;
            }
            x = end + 2;
        }
        return true;
    }

    const DrawTarget& t_;
    T fill_;
    T border_;
    FilledBits& bits_;
    RunStack stack_;
};

} // namespace

// Resolves the seed, maps it and fills when it lies in the view.
int gfx_paint(float x, float y, uint32_t fill, uint32_t border, int step) {
    GfxContext* ctx = gfx_context;
    int64_t px = 0;
    int64_t py = 0;
    if (!draw_resolve_point(ctx, x, y, step, &px, &py)) {
        return draw_fail();
    }
    DrawTarget target{};
    if (!draw_target(ctx, &target) || !target.inside(px, py)) {
        return 0;
    }
    const uint32_t fill_native = draw_colour(ctx, fill);
    const uint32_t border_native = border == COLOUR_NONE ? fill_native : draw_colour(ctx, border);
    FilledBits bits(target, fill_native != border_native);
    if (bits.failed()) {
        return draw_fail();
    }
    GfxLockGuard lock(ctx);
    bool done = true;
    const int sx = static_cast<int>(px);
    const int sy = static_cast<int>(py);
    switch (target.bytes) {
    case 1: {
        Filler<uint8_t> f(target, fill_native, border_native, bits);
        done = f.run(sx, sy);
        break;
    }
    case 2: {
        Filler<uint16_t> f(target, fill_native, border_native, bits);
        done = f.run(sx, sy);
        break;
    }
    default: {
        Filler<uint32_t> f(target, fill_native, border_native, bits);
        done = f.run(sx, sy);
        break;
    }
    }
    return done ? 0 : draw_fail();
}
