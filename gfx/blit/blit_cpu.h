// The vector members of one row conversion and the choice among them by the processor's level.
#pragma once

#include "gfx/blit/blit_rows.h"
#include "gfx/core/cpu_isa.h"

// The row conversions of one member at each level; a null entry means the level brings nothing
// over the one below it.
struct BlitRowVariants {
    BlitRowFn scalar;
    BlitRowFn sse2;
    BlitRowFn ssse3;
    BlitRowFn avx2;
    BlitRowFn avx512_vbmi;
};

// The row conversion of the widest level that is both supported and provided.
BlitRowFn blit_pick_row(const BlitRowVariants& variants);

#if defined(__x86_64__) || defined(__i386__)
#define BLIT_X86 1
// A vector row conversion where the compiler can build it, null elsewhere.
#define BLIT_VECTOR(fn) fn
#define BLIT_SSE2 __attribute__((target("sse2")))
#define BLIT_SSSE3 __attribute__((target("ssse3")))
#define BLIT_AVX2 __attribute__((target("avx2")))
#define BLIT_AVX512_VBMI __attribute__((target("avx512f,avx512bw,avx512vbmi")))
#else
#define BLIT_VECTOR(fn) nullptr
#endif
