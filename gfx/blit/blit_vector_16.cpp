// Vector members for 16-bit framebuffers.
#include <cstring>

#include "gfx/blit/blit_cpu.h"
#include "gfx/blit/blit_rows.h"
#include "gfx/blit/blit_scalar_rows.h"
#include "gfx/blit/blit_vector_pack.h"
#include "gfx/blit/blitter.h"
#include "gfx/blit/colour_lookup.h"

namespace {

#ifdef BLIT_X86

// Loads eight 16-bit pixels.
BLIT_SSE2 inline __m128i load_8_pixels(const uint8_t* src) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(src));
}

// Stores one register.
BLIT_SSE2 inline void store_128(uint8_t* dst, __m128i v) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), v);
}

// Red-high 15-bit pixels, eight per step.
BLIT_SSE2 void row_16_to_15_sse2(uint8_t* dst, const uint8_t* src, int count,
                                 const uint32_t* table) {
    const __m128i blue = _mm_set1_epi16(0x1F);
    const __m128i red_green = _mm_set1_epi16(0x7FE0);
    int x = 0;
    for (; x + 8 <= count; x += 8) {
        const __m128i s = load_8_pixels(src + 2 * x);
        store_128(dst + 2 * x, _mm_or_si128(_mm_and_si128(s, blue),
                                            _mm_and_si128(_mm_srli_epi16(s, 1), red_green)));
    }
    row_16_to_15(dst + 2 * x, src + 2 * x, count - x, table);
}

// Red-low 15-bit pixels, eight per step.
BLIT_SSE2 void row_16_to_15_redlow_sse2(uint8_t* dst, const uint8_t* src, int count,
                                        const uint32_t* table) {
    const __m128i blue = _mm_set1_epi16(0x1F);
    const __m128i green = _mm_set1_epi16(0x3E0);
    int x = 0;
    for (; x + 8 <= count; x += 8) {
        const __m128i s = load_8_pixels(src + 2 * x);
        const __m128i b = _mm_slli_epi16(_mm_and_si128(s, blue), 10);
        const __m128i g = _mm_and_si128(_mm_srli_epi16(s, 1), green);
        store_128(dst + 2 * x, _mm_or_si128(_mm_or_si128(b, g), _mm_srli_epi16(s, 11)));
    }
    row_16_to_15_redlow(dst + 2 * x, src + 2 * x, count - x, table);
}

// Red-low 16-bit pixels, eight per step.
BLIT_SSE2 void row_16_to_16_redlow_sse2(uint8_t* dst, const uint8_t* src, int count,
                                        const uint32_t* table) {
    const __m128i green = _mm_set1_epi16(0x7E0);
    int x = 0;
    for (; x + 8 <= count; x += 8) {
        const __m128i s = load_8_pixels(src + 2 * x);
        const __m128i b = _mm_slli_epi16(s, 11);
        const __m128i g = _mm_and_si128(s, green);
        store_128(dst + 2 * x, _mm_or_si128(_mm_or_si128(b, g), _mm_srli_epi16(s, 11)));
    }
    row_16_to_16_redlow(dst + 2 * x, src + 2 * x, count - x, table);
}

// Expands eight 16-bit pixels the way the red-high (or, with `red_low`, the red-low) lookup
// table does: low halves G6<<10 | C<<3 and high halves C'<<3, where C is the channel in bits
// 0..4 of the pixel for red-high and the one in bits 11..15 for red-low.
template <bool red_low>
BLIT_SSE2 inline void expand_8_pixels(__m128i s, __m128i* first, __m128i* second) {
    const __m128i low5 = _mm_slli_epi16(_mm_and_si128(s, _mm_set1_epi16(0x1F)), 3);
    const __m128i high5 = _mm_slli_epi16(_mm_srli_epi16(s, 11), 3);
    const __m128i green = _mm_slli_epi16(_mm_and_si128(s, _mm_set1_epi16(0x7E0)), 5);
    const __m128i lo = _mm_or_si128(green, red_low ? high5 : low5);
    const __m128i hi = red_low ? low5 : high5;
    *first = _mm_unpacklo_epi16(lo, hi);
    *second = _mm_unpackhi_epi16(lo, hi);
}

// 32-bit pixels for a lookup table of the given order, eight per step.
template <bool red_low>
BLIT_SSE2 void row_16_to_32_sse2(uint8_t* dst, const uint8_t* src, int count,
                                 const uint32_t* table) {
    int x = 0;
    for (; x + 8 <= count; x += 8) {
        __m128i first, second;
        expand_8_pixels<red_low>(load_8_pixels(src + 2 * x), &first, &second);
        store_128(dst + 4 * x, first);
        store_128(dst + 4 * x + 16, second);
    }
    row_16_to_32(dst + 4 * x, src + 2 * x, count - x, table);
}

// 24-bit pixels for a lookup table of the given order, sixteen per step, packed with shifts and
// masks.
template <bool red_low>
BLIT_SSE2 void row_16_to_24_sse2(uint8_t* dst, const uint8_t* src, int count,
                                 const uint32_t* table) {
    int x = 0;
    for (; x + 16 <= count; x += 16) {
        __m128i a, b, c, d;
        expand_8_pixels<red_low>(load_8_pixels(src + 2 * x), &a, &b);
        expand_8_pixels<red_low>(load_8_pixels(src + 2 * x + 16), &c, &d);
        store_48_packed(dst + 3 * x, pack_12(a), pack_12(b), pack_12(c), pack_12(d));
    }
    row_16_to_24(dst + 3 * x, src + 2 * x, count - x, table);
}

// 24-bit pixels for a lookup table of the given order, sixteen per step.
template <bool red_low>
BLIT_SSSE3 void row_16_to_24_ssse3(uint8_t* dst, const uint8_t* src, int count,
                                   const uint32_t* table) {
    const __m128i order = pack24_keep_order();
    int x = 0;
    for (; x + 16 <= count; x += 16) {
        __m128i a, b, c, d;
        expand_8_pixels<red_low>(load_8_pixels(src + 2 * x), &a, &b);
        expand_8_pixels<red_low>(load_8_pixels(src + 2 * x + 16), &c, &d);
        store_48(dst + 3 * x, a, b, c, d, order);
    }
    row_16_to_24(dst + 3 * x, src + 2 * x, count - x, table);
}

#endif

constexpr BlitRowVariants ROWS_16_TO_15 = {row_16_to_15, BLIT_VECTOR(row_16_to_15_sse2), nullptr,
                                           nullptr, nullptr};
constexpr BlitRowVariants ROWS_16_TO_15_REDLOW = {
    row_16_to_15_redlow, BLIT_VECTOR(row_16_to_15_redlow_sse2), nullptr, nullptr, nullptr};
constexpr BlitRowVariants ROWS_16_TO_16_REDLOW = {
    row_16_to_16_redlow, BLIT_VECTOR(row_16_to_16_redlow_sse2), nullptr, nullptr, nullptr};
// Index 0: the table holds the red-high expansion, 1: red-low, 2: anything else.
constexpr BlitRowVariants ROWS_16_TO_24[3] = {
    {row_16_to_24, BLIT_VECTOR(row_16_to_24_sse2<false>), BLIT_VECTOR(row_16_to_24_ssse3<false>),
     nullptr, nullptr},
    {row_16_to_24, BLIT_VECTOR(row_16_to_24_sse2<true>), BLIT_VECTOR(row_16_to_24_ssse3<true>),
     nullptr, nullptr},
    {row_16_to_24, nullptr, nullptr, nullptr, nullptr},
};
constexpr BlitRowVariants ROWS_16_TO_32[3] = {
    {row_16_to_32, BLIT_VECTOR(row_16_to_32_sse2<false>), nullptr, nullptr, nullptr},
    {row_16_to_32, BLIT_VECTOR(row_16_to_32_sse2<true>), nullptr, nullptr, nullptr},
    {row_16_to_32, nullptr, nullptr, nullptr, nullptr},
};

// Which expansion gfx_colour_lookup holds: 0 red-high, 1 red-low, 2 neither (the vector code
// computes the expansion, so it may run only when it matches the table exactly).
int lookup_order(const uint32_t* table) {
    static const struct References {
        uint32_t order[2][COLOUR_LOOKUP_ENTRIES];
        References() {
            build_colour_lookup(order[0], 0);
            build_colour_lookup(order[1], 1);
        }
    } references;
    for (int order = 0; order < 2; ++order) {
        if (std::memcmp(table, references.order[order], sizeof references.order[order]) == 0) {
            return order;
        }
    }
    return 2;
}

} // namespace

// 16-bit framebuffer to a 15-bit red-high display.
void blit_16_to_15_mmx(uint8_t* dest, int32_t pitch) {
    blit_dirty_rows(dest, pitch, 2, blit_pick_row(ROWS_16_TO_15), nullptr);
}

// 16-bit framebuffer to a 15-bit red-low display.
void blit_16_to_15_redlow_mmx(uint8_t* dest, int32_t pitch) {
    blit_dirty_rows(dest, pitch, 2, blit_pick_row(ROWS_16_TO_15_REDLOW), nullptr);
}

// 16-bit framebuffer to a 16-bit red-low display.
void blit_16_to_16_redlow_mmx(uint8_t* dest, int32_t pitch) {
    blit_dirty_rows(dest, pitch, 2, blit_pick_row(ROWS_16_TO_16_REDLOW), nullptr);
}

// 16-bit framebuffer to a 24-bit display in the order gfx_colour_lookup was built for.
void blit_16_to_24_mmx(uint8_t* dest, int32_t pitch) {
    if (gfx_colour_lookup) {
        const BlitRowFn row = blit_pick_row(ROWS_16_TO_24[lookup_order(gfx_colour_lookup)]);
        blit_dirty_rows(dest, pitch, 2, row, gfx_colour_lookup);
    }
}

// 16-bit framebuffer to a 32-bit display in the order gfx_colour_lookup was built for.
void blit_16_to_32_mmx(uint8_t* dest, int32_t pitch) {
    if (gfx_colour_lookup) {
        const BlitRowFn row = blit_pick_row(ROWS_16_TO_32[lookup_order(gfx_colour_lookup)]);
        blit_dirty_rows(dest, pitch, 2, row, gfx_colour_lookup);
    }
}
