// Which vector instruction sets the library's vector routines may use on this processor.
#pragma once

// Instruction set levels, each including the ones before it.
enum class CpuIsa { SCALAR = 0, SSE2 = 1, SSSE3 = 2, AVX2 = 3, AVX512_VBMI = 4 };

// The widest level the processor (and operating system) supports, within the current limit.
CpuIsa cpu_isa();

// Caps the level the vector routines use (for comparing the levels with one another); a cap above
// what the processor has changes nothing.
void cpu_limit_isa(CpuIsa limit);
