#!/usr/bin/env bash
# Runs a 32-bit x86 program under qemu's user-mode emulator, for kernels that cannot start one
# themselves. The emulated processor offers what qemu can emulate (SSE2, SSSE3, AVX2, no
# AVX-512), or is the model QZ_QEMU_CPU names (pentium2: MMX and no SSE). Leak detection is turned off: it stops the program's threads by tracing them, which
# the emulator does not support, and would wait forever. For the same reason the one test that
# exists to find leaks is left out; its thousand large allocations and frees also make the
# emulator place a mapping inside AddressSanitizer's shadow memory, which stops the program.
set -euo pipefail
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
export GTEST_FILTER="${GTEST_FILTER:-*}-ScreenAlloc.AThousandOpenCloseCyclesOfEveryModeLeakNothing"
exec qemu-i386 -cpu "${QZ_QEMU_CPU:-max}" "$@"
