#!/usr/bin/env bash
# Exits 0 when this machine's kernel starts 32-bit x86 programs: builds a minimal one with
# gcc -m32 and starts it. Otherwise prints why not and exits 1.
set -u
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
printf 'int main(void) { return 0; }\n' >"$dir/probe.c"
if ! gcc -m32 "$dir/probe.c" -o "$dir/probe" >"$dir/log" 2>&1; then
  echo "gcc -m32 cannot build a 32-bit program (g++-multilib missing?)"
  exit 1
fi
if ! "$dir/probe" >/dev/null 2>&1; then
  echo "the kernel cannot start 32-bit programs"
  exit 1
fi
