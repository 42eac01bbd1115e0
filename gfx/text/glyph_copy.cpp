// Copying glyphs already drawn in pixels into the drawing target. On 8-bit targets a glyph row is
// only 8 bytes, so the vector routines fill one store with the same row of two or four glyphs.
#include "gfx/text/glyph_copy.h"

#include <cstring>

#include "gfx/core/cpu_isa.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define GLYPH_X86 1
#endif

namespace {

constexpr size_t GLYPH_WIDTH = 8;

// The block of character code.
inline const uint8_t* glyph(const GlyphBlocks& blocks, uint8_t code) {
    return blocks.pixels + code * blocks.block_bytes;
}

// One glyph after another, one copy per glyph row: any pixel size, any processor.
template <size_t PIXEL_BYTES, int H>
void copy_singly(uint8_t* dest, size_t stride, GlyphBlocks blocks, const uint8_t* codes,
                 int count) {
    constexpr size_t ROW_BYTES = PIXEL_BYTES * GLYPH_WIDTH;
    for (int i = 0; i < count; ++i) {
        uint8_t* d = dest + static_cast<size_t>(i) * ROW_BYTES;
        for (int r = 0; r < H; ++r) {
            std::memcpy(d + r * stride, glyph(blocks, codes[i]) + r * ROW_BYTES, ROW_BYTES);
        }
    }
}

#if defined(GLYPH_X86)
// Two rows of one 8-bit glyph, as one 16-byte load brings them.
__attribute__((target("sse2"))) inline __m128i two_rows(const uint8_t* block, int r) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + r * GLYPH_WIDTH));
}

// 8-bit glyphs two at a time: each load brings two rows of one glyph, and an unpack with the
// other glyph's makes each 16-byte store. Returns how many glyphs it copied.
template <int H>
__attribute__((target("sse2"))) int
copy_pairs_sse2(uint8_t* dest, size_t stride, GlyphBlocks blocks, const uint8_t* codes, int count) {
    int i = 0;
    for (; i + 1 < count; i += 2) {
        uint8_t* d = dest + static_cast<size_t>(i) * GLYPH_WIDTH;
        for (int r = 0; r < H; r += 2) {
            const __m128i a = two_rows(glyph(blocks, codes[i]), r);
            const __m128i b = two_rows(glyph(blocks, codes[i + 1]), r);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(d + r * stride), _mm_unpacklo_epi64(a, b));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(d + (r + 1) * stride),
                             _mm_unpackhi_epi64(a, b));
        }
    }
    return i;
}

// Stores the ymm value at d.
__attribute__((target("avx2"))) inline void store_32(uint8_t* d, __m256i v) {
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(d), v);
}

// 8-bit glyphs four at a time: each load brings four rows of one glyph, and a 4 x 4 transpose of
// the four loads makes four 32-byte stores, one per row. A height that is not a multiple of four
// ends with two rows built from 16-byte loads. Returns how many glyphs it copied.
template <int H>
__attribute__((target("avx2"))) int
copy_quads_avx2(uint8_t* dest, size_t stride, GlyphBlocks blocks, const uint8_t* codes, int count) {
    int i = 0;
    for (; i + 3 < count; i += 4) {
        const uint8_t* g0 = glyph(blocks, codes[i]);
        const uint8_t* g1 = glyph(blocks, codes[i + 1]);
        const uint8_t* g2 = glyph(blocks, codes[i + 2]);
        const uint8_t* g3 = glyph(blocks, codes[i + 3]);
        uint8_t* d = dest + static_cast<size_t>(i) * GLYPH_WIDTH;
        int r = 0;
        for (; r + 3 < H; r += 4) {
            const __m256i a =
                _mm256_loadu_si256(reinterpret_cast<const __m256i*>(g0 + r * GLYPH_WIDTH));
            const __m256i b =
                _mm256_loadu_si256(reinterpret_cast<const __m256i*>(g1 + r * GLYPH_WIDTH));
            const __m256i c =
                _mm256_loadu_si256(reinterpret_cast<const __m256i*>(g2 + r * GLYPH_WIDTH));
            const __m256i e =
                _mm256_loadu_si256(reinterpret_cast<const __m256i*>(g3 + r * GLYPH_WIDTH));
            const __m256i ab_even = _mm256_unpacklo_epi64(a, b); // rows r and r + 2
            const __m256i ab_odd = _mm256_unpackhi_epi64(a, b);  // rows r + 1 and r + 3
            const __m256i ce_even = _mm256_unpacklo_epi64(c, e);
            const __m256i ce_odd = _mm256_unpackhi_epi64(c, e);
            store_32(d + r * stride, _mm256_permute2x128_si256(ab_even, ce_even, 0x20));
            store_32(d + (r + 1) * stride, _mm256_permute2x128_si256(ab_odd, ce_odd, 0x20));
            store_32(d + (r + 2) * stride, _mm256_permute2x128_si256(ab_even, ce_even, 0x31));
            store_32(d + (r + 3) * stride, _mm256_permute2x128_si256(ab_odd, ce_odd, 0x31));
        }
        if constexpr (H % 4 == 2) {
            const __m128i a = two_rows(g0, r);
            const __m128i b = two_rows(g1, r);
            const __m128i c = two_rows(g2, r);
            const __m128i e = two_rows(g3, r);
            store_32(d + r * stride,
                     _mm256_set_m128i(_mm_unpacklo_epi64(c, e), _mm_unpacklo_epi64(a, b)));
            store_32(d + (r + 1) * stride,
                     _mm256_set_m128i(_mm_unpackhi_epi64(c, e), _mm_unpackhi_epi64(a, b)));
        }
    }
    return i;
}
#endif

// 8-bit glyphs: four at a time, then two, then one, as wide as the processor allows.
template <int H>
void copy_8(uint8_t* dest, size_t stride, GlyphBlocks blocks, const uint8_t* codes, int count) {
    int done = 0;
#if defined(GLYPH_X86)
    const CpuIsa isa = cpu_isa();
    if (isa >= CpuIsa::AVX2) {
        done = copy_quads_avx2<H>(dest, stride, blocks, codes, count);
    }
    if (isa >= CpuIsa::SSE2) {
        done += copy_pairs_sse2<H>(dest + done * GLYPH_WIDTH, stride, blocks, codes + done,
                                   count - done);
    }
#endif
    copy_singly<1, H>(dest + done * GLYPH_WIDTH, stride, blocks, codes + done, count - done);
}

// The copy for glyphs H rows high of every pixel size.
template <int H>
bool copy_height(uint8_t* dest, size_t stride, GlyphBlocks blocks, const uint8_t* codes, int count,
                 int pixel_bytes) {
    switch (pixel_bytes) {
    case 1:
        copy_8<H>(dest, stride, blocks, codes, count);
        return true;
    case 2:
        copy_singly<2, H>(dest, stride, blocks, codes, count);
        return true;
    case 4:
        copy_singly<4, H>(dest, stride, blocks, codes, count);
        return true;
    default:
        return false;
    }
}

} // namespace

// Copies the glyphs with the copy built for their height and pixel size.
bool glyph_copy(uint8_t* dest, size_t stride, GlyphBlocks blocks, const uint8_t* codes, int count,
                int height, int pixel_bytes) {
    switch (height) {
    case 8:
        return copy_height<8>(dest, stride, blocks, codes, count, pixel_bytes);
    case 14:
        return copy_height<14>(dest, stride, blocks, codes, count, pixel_bytes);
    case 16:
        return copy_height<16>(dest, stride, blocks, codes, count, pixel_bytes);
    default:
        return false;
    }
}
