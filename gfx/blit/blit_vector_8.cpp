// Vector members for paletted framebuffers: the palette is turned into display pixels once, then
// the rows are looked up in that table: entry by entry into vector lanes with SSE2 (gathers for
// 24-bit displays with AVX2), with byte permutes where the processor has them.
#include "gfx/blit/blit_cpu.h"
#include "gfx/blit/blit_palette.h"
#include "gfx/blit/blit_pixel.h"
#include "gfx/blit/blit_scalar_rows.h"
#include "gfx/blit/blit_vector_pack.h"
#include "gfx/blit/blitter.h"

namespace {

#ifdef BLIT_X86

// Byte k of 48 bytes of 24-bit pixels comes from byte k / 3 * 4 + k % 3 of 16 32-bit pixels.
constexpr uint8_t PACK_24_ORDER[64] = {
    0,  1,  2,  4,  5,  6,  8,  9,  10, 12, 13, 14, 16, 17, 18, 20, 21, 22, 24, 25, 26, 28,
    29, 30, 32, 33, 34, 36, 37, 38, 40, 41, 42, 44, 45, 46, 48, 49, 50, 52, 53, 54, 56, 57,
    58, 60, 61, 62, 0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,
};

// Looks up four palette indices in the display-pixel table.
BLIT_AVX2 inline __m128i gather_4(const uint8_t* src, const uint32_t* table) {
    const __m128i index = _mm_cvtepu8_epi32(_mm_cvtsi32_si128(static_cast<int>(load_32(src))));
    return _mm_i32gather_epi32(reinterpret_cast<const int*>(table), index, 4);
}

// The display pixel of index byte `k` of `indices`, loaded straight into a register's low lane.
BLIT_SSE2 inline __m128i look_1(const uint32_t* table, uint64_t indices, int k) {
    return _mm_cvtsi32_si128(static_cast<int>(table[(indices >> (8 * k)) & 0xFF]));
}

// The display pixels of index bytes k..k+3 of `indices`, in order.
BLIT_SSE2 inline __m128i look_4(const uint32_t* table, uint64_t indices, int k) {
    const __m128i low =
        _mm_unpacklo_epi32(look_1(table, indices, k), look_1(table, indices, k + 1));
    const __m128i high =
        _mm_unpacklo_epi32(look_1(table, indices, k + 2), look_1(table, indices, k + 3));
    return _mm_unpacklo_epi64(low, high);
}

// 32-bit pixels, eight per step: each table entry is loaded into a vector lane and four are
// stored at once.
BLIT_SSE2 void row_lut_to_32_sse2(uint8_t* dst, const uint8_t* src, int count,
                                  const uint32_t* table) {
    int x = 0;
    for (; x + 8 <= count; x += 8) {
        const uint64_t i = load_64(src + x);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + 4 * x), look_4(table, i, 0));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + 4 * x + 16), look_4(table, i, 4));
    }
    row_lut_to_32(dst + 4 * x, src + x, count - x, table);
}

// The low 16 bits of the display pixel of index byte `k` of `indices`.
inline int entry_16(const uint32_t* table, uint64_t indices, int k) {
    return static_cast<int>(
        load_16(reinterpret_cast<const uint8_t*>(table + ((indices >> (8 * k)) & 0xFF))));
}

// 15- or 16-bit pixels, eight per step: each display pixel is inserted into its 16-bit lane
// straight from the table.
BLIT_SSE2 void row_lut_to_16_sse2(uint8_t* dst, const uint8_t* src, int count,
                                  const uint32_t* table) {
    int x = 0;
    for (; x + 8 <= count; x += 8) {
        const uint64_t i = load_64(src + x);
        __m128i v = _mm_cvtsi32_si128(entry_16(table, i, 0));
        v = _mm_insert_epi16(v, entry_16(table, i, 1), 1);
        v = _mm_insert_epi16(v, entry_16(table, i, 2), 2);
        v = _mm_insert_epi16(v, entry_16(table, i, 3), 3);
        v = _mm_insert_epi16(v, entry_16(table, i, 4), 4);
        v = _mm_insert_epi16(v, entry_16(table, i, 5), 5);
        v = _mm_insert_epi16(v, entry_16(table, i, 6), 6);
        v = _mm_insert_epi16(v, entry_16(table, i, 7), 7);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + 2 * x), v);
    }
    row_lut_to_16(dst + 2 * x, src + x, count - x, table);
}

// Eight 24-bit pixels per step in three 64-bit stores, built from the low three bytes of each
// display pixel.
void row_lut_to_24_sse2(uint8_t* dst, const uint8_t* src, int count, const uint32_t* table) {
    int x = 0;
    for (; x + 8 <= count; x += 8) {
        const uint64_t i = load_64(src + x);
        uint64_t p[8];
        for (int k = 0; k < 8; ++k) {
            p[k] = table[(i >> (8 * k)) & 0xFF] & 0xFFFFFF;
        }
        store_64(dst + 3 * x, p[0] | p[1] << 24 | p[2] << 48);
        store_64(dst + 3 * x + 8, p[2] >> 16 | p[3] << 8 | p[4] << 32 | p[5] << 56);
        store_64(dst + 3 * x + 16, p[5] >> 8 | p[6] << 16 | p[7] << 40);
    }
    row_lut_to_24(dst + 3 * x, src + x, count - x, table);
}

// 24-bit pixels, sixteen per step.
BLIT_AVX2 void row_lut_to_24_avx2(uint8_t* dst, const uint8_t* src, int count,
                                  const uint32_t* table) {
    const __m128i order = pack24_keep_order();
    int x = 0;
    for (; x + 16 <= count; x += 16) {
        const uint8_t* s = src + x;
        store_48(dst + 3 * x, gather_4(s, table), gather_4(s + 4, table), gather_4(s + 8, table),
                 gather_4(s + 12, table), order);
    }
    row_lut_to_24(dst + 3 * x, src + x, count - x, table);
}

// Picks 128-bit lanes of `a` and `b` as _mm512_shuffle_i32x4 does (the zero-masked form, with
// every lane kept).
template <int imm>
BLIT_AVX512_VBMI inline __m512i lanes(__m512i a, __m512i b) {
    return _mm512_maskz_shuffle_i32x4(0xFFFF, a, b, imm);
}

// Looks 64 palette indices up in one byte plane (256 bytes, four registers): the byte of each
// display pixel that the plane holds.
BLIT_AVX512_VBMI inline __m512i lookup_plane(const uint8_t* plane, __m512i index, __mmask64 upper) {
    const __m512i* quarters = reinterpret_cast<const __m512i*>(plane);
    const __m512i low = _mm512_permutex2var_epi8(_mm512_loadu_si512(quarters), index,
                                                 _mm512_loadu_si512(quarters + 1));
    const __m512i high = _mm512_permutex2var_epi8(_mm512_loadu_si512(quarters + 2), index,
                                                  _mm512_loadu_si512(quarters + 3));
    return _mm512_mask_blend_epi8(upper, low, high);
}

// Puts 128-bit lanes back in pixel order after lane-wise interleaving: lanes (a0 a1 a2 a3),
// (b0 b1 b2 b3) become (a0 b0 a1 b1), (a2 b2 a3 b3).
BLIT_AVX512_VBMI inline void interleave_lanes(__m512i a, __m512i b, __m512i* first,
                                              __m512i* second) {
    const __m512i low_halves = lanes<0x44>(a, b);
    const __m512i high_halves = lanes<0xEE>(a, b);
    *first = lanes<0xD8>(low_halves, low_halves);
    *second = lanes<0xD8>(high_halves, high_halves);
}

// 15- or 16-bit pixels, sixty-four per step, from two byte planes.
BLIT_AVX512_VBMI void row_lut_to_16_vbmi(uint8_t* dst, const uint8_t* src, int count,
                                         const uint32_t* table) {
    const uint8_t* planes = reinterpret_cast<const uint8_t*>(table + 256);
    int x = 0;
    for (; x + 64 <= count; x += 64) {
        const __m512i index = _mm512_loadu_si512(src + x);
        const __mmask64 upper = _mm512_movepi8_mask(index);
        const __m512i b0 = lookup_plane(planes, index, upper);
        const __m512i b1 = lookup_plane(planes + 256, index, upper);
        __m512i first, second;
        interleave_lanes(_mm512_unpacklo_epi8(b0, b1), _mm512_unpackhi_epi8(b0, b1), &first,
                         &second);
        _mm512_storeu_si512(dst + 2 * x, first);
        _mm512_storeu_si512(dst + 2 * x + 64, second);
    }
    row_lut_to_16(dst + 2 * x, src + x, count - x, table);
}

// Looks up 64 palette indices in the four byte planes and returns their 32-bit display pixels
// in order, sixteen to a register.
BLIT_AVX512_VBMI inline void lookup_64(const uint8_t* planes, const uint8_t* src, __m512i out[4]) {
    const __m512i index = _mm512_loadu_si512(src);
    const __mmask64 upper = _mm512_movepi8_mask(index);
    const __m512i b0 = lookup_plane(planes, index, upper);
    const __m512i b1 = lookup_plane(planes + 256, index, upper);
    const __m512i b2 = lookup_plane(planes + 512, index, upper);
    const __m512i b3 = lookup_plane(planes + 768, index, upper);
    const __m512i lo01 = _mm512_unpacklo_epi8(b0, b1);
    const __m512i hi01 = _mm512_unpackhi_epi8(b0, b1);
    const __m512i lo23 = _mm512_unpacklo_epi8(b2, b3);
    const __m512i hi23 = _mm512_unpackhi_epi8(b2, b3);
    // Lane k of w0..w3 holds pixels 16k + 0..3, 4..7, 8..11, 12..15.
    const __m512i w0 = _mm512_unpacklo_epi16(lo01, lo23);
    const __m512i w1 = _mm512_unpackhi_epi16(lo01, lo23);
    const __m512i w2 = _mm512_unpacklo_epi16(hi01, hi23);
    const __m512i w3 = _mm512_unpackhi_epi16(hi01, hi23);
    const __m512i t0 = lanes<0x44>(w0, w1);
    const __m512i t1 = lanes<0x44>(w2, w3);
    const __m512i t2 = lanes<0xEE>(w0, w1);
    const __m512i t3 = lanes<0xEE>(w2, w3);
    out[0] = lanes<0x88>(t0, t1);
    out[1] = lanes<0xDD>(t0, t1);
    out[2] = lanes<0x88>(t2, t3);
    out[3] = lanes<0xDD>(t2, t3);
}

// 24-bit pixels, sixty-four per step: the 32-bit pixels with every fourth byte squeezed out,
// stored 48 bytes at a time.
BLIT_AVX512_VBMI void row_lut_to_24_vbmi(uint8_t* dst, const uint8_t* src, int count,
                                         const uint32_t* table) {
    const uint8_t* planes = reinterpret_cast<const uint8_t*>(table + 256);
    const __m512i order = _mm512_loadu_si512(PACK_24_ORDER);
    const __mmask64 first_48 = 0xFFFFFFFFFFFFull;
    int x = 0;
    for (; x + 64 <= count; x += 64) {
        __m512i pixels[4];
        lookup_64(planes, src + x, pixels);
        for (int k = 0; k < 4; ++k) {
            _mm512_mask_storeu_epi8(dst + 3 * x + 48 * k, first_48,
                                    _mm512_maskz_permutexvar_epi8(~0ull, order, pixels[k]));
        }
    }
    row_lut_to_24(dst + 3 * x, src + x, count - x, table);
}

// 32-bit pixels, sixty-four per step, from four byte planes.
BLIT_AVX512_VBMI void row_lut_to_32_vbmi(uint8_t* dst, const uint8_t* src, int count,
                                         const uint32_t* table) {
    const uint8_t* planes = reinterpret_cast<const uint8_t*>(table + 256);
    int x = 0;
    for (; x + 64 <= count; x += 64) {
        __m512i pixels[4];
        lookup_64(planes, src + x, pixels);
        for (int k = 0; k < 4; ++k) {
            _mm512_storeu_si512(dst + 4 * x + 64 * k, pixels[k]);
        }
    }
    row_lut_to_32(dst + 4 * x, src + x, count - x, table);
}

#endif

constexpr BlitRowVariants ROWS_LUT_TO_16 = {row_lut_to_16, BLIT_VECTOR(row_lut_to_16_sse2), nullptr,
                                            nullptr, BLIT_VECTOR(row_lut_to_16_vbmi)};
constexpr BlitRowVariants ROWS_LUT_TO_24 = {row_lut_to_24, BLIT_VECTOR(row_lut_to_24_sse2), nullptr,
                                            BLIT_VECTOR(row_lut_to_24_avx2),
                                            BLIT_VECTOR(row_lut_to_24_vbmi)};
constexpr BlitRowVariants ROWS_LUT_TO_32 = {row_lut_to_32, BLIT_VECTOR(row_lut_to_32_sse2), nullptr,
                                            nullptr, BLIT_VECTOR(row_lut_to_32_vbmi)};

} // namespace

// Paletted framebuffer to a 15-bit red-high display.
void blit_8_to_15_mmx(uint8_t* dest, int32_t pitch) {
    blit_paletted_rows(dest, pitch, entry_to_15, blit_pick_row(ROWS_LUT_TO_16));
}

// Paletted framebuffer to a 15-bit red-low display.
void blit_8_to_15_redlow_mmx(uint8_t* dest, int32_t pitch) {
    blit_paletted_rows(dest, pitch, entry_to_15_redlow, blit_pick_row(ROWS_LUT_TO_16));
}

// Paletted framebuffer to a 16-bit red-high display.
void blit_8_to_16_mmx(uint8_t* dest, int32_t pitch) {
    blit_paletted_rows(dest, pitch, entry_to_16, blit_pick_row(ROWS_LUT_TO_16));
}

// Paletted framebuffer to a 16-bit red-low display.
void blit_8_to_16_redlow_mmx(uint8_t* dest, int32_t pitch) {
    blit_paletted_rows(dest, pitch, entry_to_16_redlow, blit_pick_row(ROWS_LUT_TO_16));
}

// Paletted framebuffer to a 24-bit display, bytes B, G, R.
void blit_8_to_24_mmx(uint8_t* dest, int32_t pitch) {
    blit_paletted_rows(dest, pitch, entry_to_32, blit_pick_row(ROWS_LUT_TO_24));
}

// Paletted framebuffer to a 24-bit display, bytes R, G, B.
void blit_8_to_24_redlow_mmx(uint8_t* dest, int32_t pitch) {
    blit_paletted_rows(dest, pitch, entry_to_32_redlow, blit_pick_row(ROWS_LUT_TO_24));
}

// Paletted framebuffer to a 32-bit display, 0x00RRGGBB.
void blit_8_to_32_mmx(uint8_t* dest, int32_t pitch) {
    blit_paletted_rows(dest, pitch, entry_to_32, blit_pick_row(ROWS_LUT_TO_32));
}

// Paletted framebuffer to a 32-bit display, 0x00BBGGRR.
void blit_8_to_32_redlow_mmx(uint8_t* dest, int32_t pitch) {
    blit_paletted_rows(dest, pitch, entry_to_32_redlow, blit_pick_row(ROWS_LUT_TO_32));
}
