// The processor-feature query that decides whether the MMX routines may run.
#include <cpuid.h>

#include "gfx/core/pixel.h"

#if !defined(__i386__) && !defined(__x86_64__)
#error "qzgfx needs an x86 processor"
#endif

namespace {

uint32_t cached_features = 0;

#if defined(__i386__)
// Whether the alignment-check flag (EFLAGS bit 18) can be toggled: a 486 or later without CPUID.
bool alignment_flag_toggles() {
    uint32_t changed = 0;
    __asm__ volatile("pushfl\n\t"
                     "popl %%eax\n\t"
                     "movl %%eax, %%ecx\n\t"
                     "xorl $0x40000, %%eax\n\t"
                     "pushl %%eax\n\t"
                     "popfl\n\t"
                     "pushfl\n\t"
                     "popl %%eax\n\t"
                     "pushl %%ecx\n\t"
                     "popfl\n\t"
                     "xorl %%ecx, %%eax\n\t"
                     "andl $0x40000, %%eax\n\t"
                     : "=a"(changed)
                     :
                     : "ecx", "cc");
    return changed != 0;
}
#endif

// Reads the feature flags and family from CPUID leaf 1, or guesses the family without CPUID.
uint32_t query_features() {
    unsigned eax = 0;
    unsigned ebx = 0;
    unsigned ecx = 0;
    unsigned edx = 0;
    if (__get_cpuid(1, &eax, &ebx, &ecx, &edx)) {
        return (edx & 0x00FFFFFFu) | ((eax >> 8) & 0xFu) << 24;
    }
#if defined(__i386__)
    return alignment_flag_toggles() ? 0x04000000u : 0x03000000u;
#else
    return 0;
#endif
}

} // namespace

// The processor's feature flags and family; the first non-zero answer is kept for later calls.
uint32_t cpu_features() {
    if (cached_features == 0) {
        cached_features = query_features();
    }
    return cached_features;
}
