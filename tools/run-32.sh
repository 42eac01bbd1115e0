#!/usr/bin/env bash
# Runs a 32-bit x86 program under qemu's user-mode emulator, for kernels that cannot start one
# themselves. The emulated processor offers what qemu can emulate (SSE2, SSSE3, AVX2, no
# AVX-512), or is the model QZ_QEMU_CPU names (pentium2: MMX and no SSE).
#
# Leak detection is turned off: it stops the program's threads by tracing them, which the
# emulator does not support, and would wait forever. For the same reason the one test that exists
# to find leaks is left out.
#
# Under the emulator AddressSanitizer's shadow memory and the emulator's own mappings collide once
# a process has allocated and freed enough, whichever test happens to be running then. A test
# program is therefore run in shards of at most QZ_QEMU_SHARD_TESTS tests (40 unless set), each
# shard a process of its own, in turn; the run fails if any shard fails, and stops at the first.
set -euo pipefail
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
export GTEST_FILTER="${GTEST_FILTER:-*}-ScreenAlloc.AThousandOpenCloseCyclesOfEveryModeLeakNothing"
emulate=(qemu-i386 -cpu "${QZ_QEMU_CPU:-max}")

# Anything that is not a test program, or that asks for a listing itself, runs as one process.
if ! grep -qa GTEST_SHARD_INDEX "$1" || [[ " $* " == *" --gtest_list_tests "* ]]; then
  exec "${emulate[@]}" "$@"
fi

# The number of tests the filter (from the environment or the arguments) selects.
count=$("${emulate[@]}" "$@" --gtest_list_tests | grep -c '^  ' || true)
per_shard=${QZ_QEMU_SHARD_TESTS:-40}
shards=$(((count + per_shard - 1) / per_shard))
if ((shards <= 1)); then
  exec "${emulate[@]}" "$@"
fi

for ((index = 0; index < shards; index++)); do
  echo "==== shard $((index + 1)) of $shards (tests of $count in turn, one process each)"
  GTEST_TOTAL_SHARDS=$shards GTEST_SHARD_INDEX=$index "${emulate[@]}" "$@"
done
