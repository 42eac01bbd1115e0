// Vector members for 32-bit framebuffers.
#include "gfx/blit/blit_cpu.h"
#include "gfx/blit/blit_rows.h"
#include "gfx/blit/blit_scalar_rows.h"
#include "gfx/blit/blit_vector_pack.h"
#include "gfx/blit/blitter.h"

namespace {

#ifdef BLIT_X86

// Loads four 32-bit pixels.
BLIT_SSE2 inline __m128i load_4_pixels(const uint8_t* src) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(src));
}

// Takes `mask` of `p` shifted right by `right` (left when negative).
template <int right>
BLIT_SSE2 inline __m128i field(__m128i p, uint32_t mask) {
    const __m128i shifted = right >= 0 ? _mm_srli_epi32(p, right) : _mm_slli_epi32(p, -right);
    return _mm_and_si128(shifted, _mm_set1_epi32(static_cast<int>(mask)));
}

// The 15- and 16-bit packings for four pixels: shift amounts of the top, green and bottom fields
// and the masks of the top and green fields.
template <int top_shift, uint32_t top_mask, int green_shift, uint32_t green_mask, int bottom_shift>
struct Packing128 {
    BLIT_SSE2 static __m128i pack(__m128i p) {
        return _mm_or_si128(
            _mm_or_si128(field<top_shift>(p, top_mask), field<green_shift>(p, green_mask)),
            field<bottom_shift>(p, 0x1F));
    }
};
using To15 = Packing128<9, 0x7C00, 6, 0x3E0, 3>;
using To15RedLow = Packing128<-7, 0x7C00, 6, 0x3E0, 19>;
using To16 = Packing128<8, 0xF800, 5, 0x7E0, 3>;
using To16RedLow = Packing128<-8, 0xF800, 5, 0x7E0, 19>;

// 15- or 16-bit pixels, eight per step; each 32-bit lane is sign-extended from its low half so
// the signed narrowing keeps all sixteen bits.
template <typename Format, BlitRowFn tail>
BLIT_SSE2 void row_32_to_16_bits_sse2(uint8_t* dst, const uint8_t* src, int count,
                                      const uint32_t* table) {
    int x = 0;
    for (; x + 8 <= count; x += 8) {
        const __m128i a =
            _mm_srai_epi32(_mm_slli_epi32(Format::pack(load_4_pixels(src + 4 * x)), 16), 16);
        const __m128i b =
            _mm_srai_epi32(_mm_slli_epi32(Format::pack(load_4_pixels(src + 4 * x + 16)), 16), 16);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + 2 * x), _mm_packs_epi32(a, b));
    }
    tail(dst + 2 * x, src + 4 * x, count - x, table);
}

// Takes `mask` of `p` shifted right by `right` (left when negative), eight pixels at a time.
template <int right>
BLIT_AVX2 inline __m256i field_256(__m256i p, uint32_t mask) {
    const __m256i shifted = right >= 0 ? _mm256_srli_epi32(p, right) : _mm256_slli_epi32(p, -right);
    return _mm256_and_si256(shifted, _mm256_set1_epi32(static_cast<int>(mask)));
}

// The same packings for eight pixels.
template <int top_shift, uint32_t top_mask, int green_shift, uint32_t green_mask, int bottom_shift>
struct Packing256 {
    BLIT_AVX2 static __m256i pack(__m256i p) {
        return _mm256_or_si256(_mm256_or_si256(field_256<top_shift>(p, top_mask),
                                               field_256<green_shift>(p, green_mask)),
                               field_256<bottom_shift>(p, 0x1F));
    }
};
using To15x8 = Packing256<9, 0x7C00, 6, 0x3E0, 3>;
using To15RedLowx8 = Packing256<-7, 0x7C00, 6, 0x3E0, 19>;
using To16x8 = Packing256<8, 0xF800, 5, 0x7E0, 3>;
using To16RedLowx8 = Packing256<-8, 0xF800, 5, 0x7E0, 19>;

// 15- or 16-bit pixels, sixteen per step; the unsigned narrowing works lane-wise, so the 64-bit
// quarters are put back in order afterwards.
template <typename Format, BlitRowFn tail>
BLIT_AVX2 void row_32_to_16_bits_avx2(uint8_t* dst, const uint8_t* src, int count,
                                      const uint32_t* table) {
    int x = 0;
    for (; x + 16 <= count; x += 16) {
        const __m256i a =
            Format::pack(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + 4 * x)));
        const __m256i b =
            Format::pack(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + 4 * x + 32)));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst + 2 * x),
                            _mm256_permute4x64_epi64(_mm256_packus_epi32(a, b), 0xD8));
    }
    tail(dst + 2 * x, src + 4 * x, count - x, table);
}

// Red and blue of four pixels exchanged, green kept, the top byte cleared.
BLIT_SSE2 inline __m128i swap_red_blue(__m128i p) {
    return _mm_or_si128(_mm_or_si128(field<0>(p, 0xFF00), field<16>(p, 0xFF)),
                        field<-16>(p, 0xFF0000));
}

// Red and blue exchanged, four per step, with shifts and masks.
BLIT_SSE2 void row_32_to_32_redlow_sse2(uint8_t* dst, const uint8_t* src, int count,
                                        const uint32_t* table) {
    int x = 0;
    for (; x + 4 <= count; x += 4) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + 4 * x),
                         swap_red_blue(load_4_pixels(src + 4 * x)));
    }
    row_32_to_32_redlow(dst + 4 * x, src + 4 * x, count - x, table);
}

// Red and blue exchanged, eight per step, with one byte shuffle.
BLIT_AVX2 void row_32_to_32_redlow_avx2(uint8_t* dst, const uint8_t* src, int count,
                                        const uint32_t* table) {
    const __m256i order = _mm256_setr_epi8(2, 1, 0, -1, 6, 5, 4, -1, 10, 9, 8, -1, 14, 13, 12, -1,
                                           2, 1, 0, -1, 6, 5, 4, -1, 10, 9, 8, -1, 14, 13, 12, -1);
    int x = 0;
    for (; x + 8 <= count; x += 8) {
        const __m256i p = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + 4 * x));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst + 4 * x), _mm256_shuffle_epi8(p, order));
    }
    row_32_to_32_redlow(dst + 4 * x, src + 4 * x, count - x, table);
}

// 24-bit pixels, sixteen per step, bytes B, G, R (or R, G, B with `swap`).
template <bool swap, BlitRowFn tail>
BLIT_SSSE3 void row_32_to_24_ssse3(uint8_t* dst, const uint8_t* src, int count,
                                   const uint32_t* table) {
    const __m128i order = swap ? pack24_swap_order() : pack24_keep_order();
    int x = 0;
    for (; x + 16 <= count; x += 16) {
        const uint8_t* s = src + 4 * x;
        store_48(dst + 3 * x, load_4_pixels(s), load_4_pixels(s + 16), load_4_pixels(s + 32),
                 load_4_pixels(s + 48), order);
    }
    tail(dst + 3 * x, src + 4 * x, count - x, table);
}

// 24-bit pixels, sixteen per step, bytes B, G, R, with shifts and masks.
BLIT_SSE2 void row_32_to_24_sse2(uint8_t* dst, const uint8_t* src, int count,
                                 const uint32_t* table) {
    int x = 0;
    for (; x + 16 <= count; x += 16) {
        __m128i packed[4];
        for (int k = 0; k < 4; ++k) {
            packed[k] = pack_12(load_4_pixels(src + 4 * x + 16 * k));
        }
        store_48_packed(dst + 3 * x, packed[0], packed[1], packed[2], packed[3]);
    }
    row_32_to_24(dst + 3 * x, src + 4 * x, count - x, table);
}

// Bytes R, G, B of two pixels (eight bytes B, G, R, X, B, G, R, X) in the low six bytes: the
// byte-reversed word holds them as X, R, G, B, X, R, G, B.
inline uint64_t reversed_pair(const uint8_t* src) {
    const uint64_t q = __builtin_bswap64(load_64(src));
    return q >> 40 | ((q >> 8) & 0xFFFFFF) << 24;
}

// 24-bit pixels, bytes R, G, B, eight per step in three 64-bit stores, with byte reversals in
// general registers: cheaper than exchanging red and blue in vector registers without byte
// shuffles.
void row_32_to_24_redlow_reversed(uint8_t* dst, const uint8_t* src, int count,
                                  const uint32_t* table) {
    int x = 0;
    for (; x + 8 <= count; x += 8) {
        const uint8_t* s = src + 4 * x;
        const uint64_t a = reversed_pair(s);
        const uint64_t b = reversed_pair(s + 8);
        const uint64_t c = reversed_pair(s + 16);
        const uint64_t d = reversed_pair(s + 24);
        store_64(dst + 3 * x, a | b << 48);
        store_64(dst + 3 * x + 8, b >> 16 | c << 32);
        store_64(dst + 3 * x + 16, c >> 32 | d << 16);
    }
    row_32_to_24_redlow(dst + 3 * x, src + 4 * x, count - x, table);
}

// 24-bit pixels, eight per step: each half of the register is shuffled to twelve bytes, the
// halves are joined into the low 24 bytes and all 32 are stored, the last eight to be
// overwritten by the next step. Steps stop where those eight bytes would pass the row's end.
template <bool swap, BlitRowFn tail>
BLIT_AVX2 void row_32_to_24_avx2(uint8_t* dst, const uint8_t* src, int count,
                                 const uint32_t* table) {
    const __m128i half = swap ? pack24_swap_order() : pack24_keep_order();
    const __m256i order = _mm256_broadcastsi128_si256(half);
    const __m256i join = _mm256_setr_epi32(0, 1, 2, 4, 5, 6, 7, 7);
    int x = 0;
    for (; x + 11 <= count; x += 8) {
        const __m256i p = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + 4 * x));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst + 3 * x),
                            _mm256_permutevar8x32_epi32(_mm256_shuffle_epi8(p, order), join));
    }
    tail(dst + 3 * x, src + 4 * x, count - x, table);
}

#endif

constexpr BlitRowVariants ROWS_32_TO_15 = {
    row_32_to_15, BLIT_VECTOR((row_32_to_16_bits_sse2<To15, row_32_to_15>)), nullptr,
    BLIT_VECTOR((row_32_to_16_bits_avx2<To15x8, row_32_to_15>)), nullptr};
constexpr BlitRowVariants ROWS_32_TO_15_REDLOW = {
    row_32_to_15_redlow, BLIT_VECTOR((row_32_to_16_bits_sse2<To15RedLow, row_32_to_15_redlow>)),
    nullptr, BLIT_VECTOR((row_32_to_16_bits_avx2<To15RedLowx8, row_32_to_15_redlow>)), nullptr};
constexpr BlitRowVariants ROWS_32_TO_16 = {
    row_32_to_16, BLIT_VECTOR((row_32_to_16_bits_sse2<To16, row_32_to_16>)), nullptr,
    BLIT_VECTOR((row_32_to_16_bits_avx2<To16x8, row_32_to_16>)), nullptr};
constexpr BlitRowVariants ROWS_32_TO_16_REDLOW = {
    row_32_to_16_redlow, BLIT_VECTOR((row_32_to_16_bits_sse2<To16RedLow, row_32_to_16_redlow>)),
    nullptr, BLIT_VECTOR((row_32_to_16_bits_avx2<To16RedLowx8, row_32_to_16_redlow>)), nullptr};
constexpr BlitRowVariants ROWS_32_TO_24 = {row_32_to_24, BLIT_VECTOR(row_32_to_24_sse2),
                                           BLIT_VECTOR((row_32_to_24_ssse3<false, row_32_to_24>)),
                                           BLIT_VECTOR((row_32_to_24_avx2<false, row_32_to_24>)),
                                           nullptr};
constexpr BlitRowVariants ROWS_32_TO_24_REDLOW = {
    row_32_to_24_redlow, BLIT_VECTOR(row_32_to_24_redlow_reversed),
    BLIT_VECTOR((row_32_to_24_ssse3<true, row_32_to_24_redlow>)),
    BLIT_VECTOR((row_32_to_24_avx2<true, row_32_to_24_redlow>)), nullptr};
constexpr BlitRowVariants ROWS_32_TO_32_REDLOW = {row_32_to_32_redlow,
                                                  BLIT_VECTOR(row_32_to_32_redlow_sse2), nullptr,
                                                  BLIT_VECTOR(row_32_to_32_redlow_avx2), nullptr};

} // namespace

// 32-bit framebuffer to a 15-bit red-high display.
void blit_32_to_15_mmx(uint8_t* dest, int32_t pitch) {
    blit_dirty_rows(dest, pitch, 4, blit_pick_row(ROWS_32_TO_15), nullptr);
}

// 32-bit framebuffer to a 15-bit red-low display.
void blit_32_to_15_redlow_mmx(uint8_t* dest, int32_t pitch) {
    blit_dirty_rows(dest, pitch, 4, blit_pick_row(ROWS_32_TO_15_REDLOW), nullptr);
}

// 32-bit framebuffer to a 16-bit red-high display.
void blit_32_to_16_mmx(uint8_t* dest, int32_t pitch) {
    blit_dirty_rows(dest, pitch, 4, blit_pick_row(ROWS_32_TO_16), nullptr);
}

// 32-bit framebuffer to a 16-bit red-low display.
void blit_32_to_16_redlow_mmx(uint8_t* dest, int32_t pitch) {
    blit_dirty_rows(dest, pitch, 4, blit_pick_row(ROWS_32_TO_16_REDLOW), nullptr);
}

// 32-bit framebuffer to a 24-bit display, bytes B, G, R.
void blit_32_to_24_mmx(uint8_t* dest, int32_t pitch) {
    blit_dirty_rows(dest, pitch, 4, blit_pick_row(ROWS_32_TO_24), nullptr);
}

// 32-bit framebuffer to a 24-bit display, bytes R, G, B.
void blit_32_to_24_redlow_mmx(uint8_t* dest, int32_t pitch) {
    blit_dirty_rows(dest, pitch, 4, blit_pick_row(ROWS_32_TO_24_REDLOW), nullptr);
}

// 32-bit framebuffer to a 32-bit red-low display.
void blit_32_to_32_redlow_mmx(uint8_t* dest, int32_t pitch) {
    blit_dirty_rows(dest, pitch, 4, blit_pick_row(ROWS_32_TO_32_REDLOW), nullptr);
}
