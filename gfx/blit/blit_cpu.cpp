// Run-time choice among the vector members of one conversion.
#include "gfx/blit/blit_cpu.h"

// The widest provided conversion the processor can run.
BlitRowFn blit_pick_row(const BlitRowVariants& variants) {
    const CpuIsa isa = cpu_isa();
    if (isa >= CpuIsa::AVX512_VBMI && variants.avx512_vbmi) {
        return variants.avx512_vbmi;
    }
    if (isa >= CpuIsa::AVX2 && variants.avx2) {
        return variants.avx2;
    }
    if (isa >= CpuIsa::SSSE3 && variants.ssse3) {
        return variants.ssse3;
    }
    if (isa >= CpuIsa::SSE2 && variants.sse2) {
        return variants.sse2;
    }
    return variants.scalar;
}
