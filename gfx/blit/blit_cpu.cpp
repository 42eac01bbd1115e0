// Run-time choice of the vector instruction set for the vector members.
#include "gfx/blit/blit_cpu.h"

#include <atomic>

namespace {

std::atomic<int> isa_limit{static_cast<int>(BlitIsa::AVX512_VBMI)};

// What the processor supports, asked once.
BlitIsa detect_isa() {
#if defined(__x86_64__) || defined(__i386__)
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512vbmi")) {
        return BlitIsa::AVX512_VBMI;
    }
    if (__builtin_cpu_supports("avx2")) {
        return BlitIsa::AVX2;
    }
    if (__builtin_cpu_supports("ssse3")) {
        return BlitIsa::SSSE3;
    }
    if (__builtin_cpu_supports("sse2")) {
        return BlitIsa::SSE2;
    }
#endif
    return BlitIsa::SCALAR;
}

} // namespace

// The supported level, detected once, capped by the current limit.
BlitIsa blit_isa() {
    static const BlitIsa supported = detect_isa();
    const int limit = isa_limit.load(std::memory_order_relaxed);
    return static_cast<int>(supported) < limit ? supported : static_cast<BlitIsa>(limit);
}

// Sets the cap on the level.
void blit_limit_isa(BlitIsa limit) { isa_limit.store(static_cast<int>(limit), std::memory_order_relaxed); }

// The widest provided conversion the processor can run.
BlitRowFn blit_pick_row(const BlitRowVariants& variants) {
    const BlitIsa isa = blit_isa();
    if (isa >= BlitIsa::AVX512_VBMI && variants.avx512_vbmi) {
        return variants.avx512_vbmi;
    }
    if (isa >= BlitIsa::AVX2 && variants.avx2) {
        return variants.avx2;
    }
    if (isa >= BlitIsa::SSSE3 && variants.ssse3) {
        return variants.ssse3;
    }
    if (isa >= BlitIsa::SSE2 && variants.sse2) {
        return variants.sse2;
    }
    return variants.scalar;
}
