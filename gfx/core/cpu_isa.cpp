// Run-time choice of the vector instruction set for the vector routines.
#include "gfx/core/cpu_isa.h"

#include <atomic>

namespace {

std::atomic<int> isa_limit{static_cast<int>(CpuIsa::AVX512_VBMI)};

// What the processor supports, asked once.
CpuIsa detect_isa() {
#if defined(__x86_64__) || defined(__i386__)
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512vbmi")) {
        return CpuIsa::AVX512_VBMI;
    }
    if (__builtin_cpu_supports("avx2")) {
        return CpuIsa::AVX2;
    }
    if (__builtin_cpu_supports("ssse3")) {
        return CpuIsa::SSSE3;
    }
    if (__builtin_cpu_supports("sse2")) {
        return CpuIsa::SSE2;
    }
#endif
    return CpuIsa::SCALAR;
}

} // namespace

// The supported level, detected once, capped by the current limit.
CpuIsa cpu_isa() {
    static const CpuIsa supported = detect_isa();
    const int limit = isa_limit.load(std::memory_order_relaxed);
    return static_cast<int>(supported) < limit ? supported : static_cast<CpuIsa>(limit);
}

// Sets the cap on the level.
void cpu_limit_isa(CpuIsa limit) {
    isa_limit.store(static_cast<int>(limit), std::memory_order_relaxed);
}
