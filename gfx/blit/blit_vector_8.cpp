// Vector members for paletted framebuffers: the palette is turned into display pixels once, then
// the rows are looked up in that table with gathers.
#include "gfx/blit/blit_cpu.h"
#include "gfx/blit/blit_palette.h"
#include "gfx/blit/blit_pixel.h"
#include "gfx/blit/blit_scalar_rows.h"
#include "gfx/blit/blit_vector_pack.h"
#include "gfx/blit/blitter.h"

namespace {

#ifdef BLIT_X86

// Looks up eight palette indices in the display-pixel table.
BLIT_AVX2 inline __m256i gather_8(const uint8_t* src, const uint32_t* table) {
    const __m256i index = _mm256_cvtepu8_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(src)));
    return _mm256_i32gather_epi32(reinterpret_cast<const int*>(table), index, 4);
}

// Looks up four palette indices in the display-pixel table.
BLIT_AVX2 inline __m128i gather_4(const uint8_t* src, const uint32_t* table) {
    const __m128i index = _mm_cvtepu8_epi32(_mm_cvtsi32_si128(static_cast<int>(load_32(src))));
    return _mm_i32gather_epi32(reinterpret_cast<const int*>(table), index, 4);
}

// 15- or 16-bit pixels, sixteen per step.
BLIT_AVX2 void row_lut_to_16_avx2(uint8_t* dst, const uint8_t* src, int count, const uint32_t* table) {
    int x = 0;
    for (; x + 16 <= count; x += 16) {
        const __m256i packed = _mm256_packus_epi32(gather_8(src + x, table), gather_8(src + x + 8, table));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst + 2 * x), _mm256_permute4x64_epi64(packed, 0xD8));
    }
    row_lut_to_16(dst + 2 * x, src + x, count - x, table);
}

// 24-bit pixels, sixteen per step.
BLIT_AVX2 void row_lut_to_24_avx2(uint8_t* dst, const uint8_t* src, int count, const uint32_t* table) {
    const __m128i order = pack24_keep_order();
    int x = 0;
    for (; x + 16 <= count; x += 16) {
        const uint8_t* s = src + x;
        store_48(dst + 3 * x, gather_4(s, table), gather_4(s + 4, table), gather_4(s + 8, table),
                 gather_4(s + 12, table), order);
    }
    row_lut_to_24(dst + 3 * x, src + x, count - x, table);
}

// 32-bit pixels, eight per step.
BLIT_AVX2 void row_lut_to_32_avx2(uint8_t* dst, const uint8_t* src, int count, const uint32_t* table) {
    int x = 0;
    for (; x + 8 <= count; x += 8) {
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst + 4 * x), gather_8(src + x, table));
    }
    row_lut_to_32(dst + 4 * x, src + x, count - x, table);
}

#endif

constexpr BlitRowVariants ROWS_LUT_TO_16 = {row_lut_to_16, nullptr, nullptr, BLIT_VECTOR(row_lut_to_16_avx2)};
constexpr BlitRowVariants ROWS_LUT_TO_24 = {row_lut_to_24, nullptr, nullptr, BLIT_VECTOR(row_lut_to_24_avx2)};
constexpr BlitRowVariants ROWS_LUT_TO_32 = {row_lut_to_32, nullptr, nullptr, BLIT_VECTOR(row_lut_to_32_avx2)};

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
