#!/usr/bin/env bash
# Makes the release archive of one Windows preset's build with cpack, checks that it holds what a
# user downloads it for, unpacks it into a fresh folder, checks its package version, and builds the
# README's hello world against it with the matching cross compiler; then runs the hello
# world under Wine on a windowless screen (QZGFX=null), where it opens its screen and waits for a
# key that never comes, so it is stopped after a few seconds.
# Usage: tests/package/archive_test.sh win64|win32 [build-only]   (the preset must be built)
# With build-only nothing is run (where the preset's programs cannot start).
set -euo pipefail
preset=$1
run=${2:-run}
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
BUILD=$ROOT/build/$preset
WORK=$BUILD/archive-test
case $preset in
  win64) toolchain=$ROOT/cmake/toolchain-mingw64.cmake ;;
  win32) toolchain=$ROOT/cmake/toolchain-mingw32.cmake ;;
  *) echo "unknown preset $preset"; exit 2 ;;
esac
version=$(sed -nE 's/^project\(qzgfx VERSION ([0-9.]+).*/\1/p' "$ROOT/CMakeLists.txt")
name=qzgfx-$version-$preset

source "$ROOT/tests/package/package_common.sh"

rm -rf "$WORK" "$BUILD/$name.zip"
mkdir -p "$WORK/unpacked" "$WORK/hello" "$WORK/version"
echo "== cpack in build/$preset"
(cd "$BUILD" && cpack -G ZIP >/dev/null)
[[ -f "$BUILD/$name.zip" ]] || fail "cpack made no $name.zip"

echo "== unpack $name.zip into a fresh folder"
(cd "$WORK/unpacked" && cmake -E tar xf "$BUILD/$name.zip")
top=$WORK/unpacked/$name
for file in include/qzgfx.h lib/libqzgfx.a lib/libqzrt.a \
    lib/cmake/qzgfx/qzgfxConfig.cmake lib/cmake/qzgfx/qzgfxConfigVersion.cmake \
    lib/cmake/qzgfx/qzgfxTargets.cmake README.md LICENSE \
    demo/vavaz.exe demo/resources/examples/light.tga demo/resources/examples/brick.tga \
    examples/resources/font/font.tga examples/resources/font/font.metrics \
    examples/resources/examples/sprites.bmp; do
  [[ -f "$top/$file" ]] || fail "$name.zip has no $file"
done
for example in palette_cycle text_screen input_tester gl_font sprites window_scale; do
  for file in "examples/$example.cpp" "examples/$example.exe"; do
    [[ -f "$top/$file" ]] || fail "$name.zip has no $file"
  done
done
cmp -s "$top/LICENSE" "$ROOT/LICENSE" || fail "the archive's LICENSE differs from the repository's"
case $preset in
  win64) format=pei-x86-64 ;;
  win32) format=pei-i386 ;;
esac
objdump -f "$top/demo/vavaz.exe" | grep -q "file format $format" || fail "vavaz.exe is not $format"

echo "== find_package takes version $version from the archive and refuses a newer one"
cat >"$WORK/version/CMakeLists.txt" <<'CMAKE'
cmake_minimum_required(VERSION 3.25)
project(version_check NONE)
find_package(qzgfx ${QZ_WANTED} CONFIG REQUIRED)
CMAKE
cmake -S "$WORK/version" -B "$WORK/version/build-same" -DQZ_WANTED="$version" \
  -DCMAKE_PREFIX_PATH="$top" >"$WORK/version-same.log" 2>&1 ||
  fail "find_package(qzgfx $version) refused the archive: $(cat "$WORK/version-same.log")"
if cmake -S "$WORK/version" -B "$WORK/version/build-newer" -DQZ_WANTED=99.0 \
    -DCMAKE_PREFIX_PATH="$top" >"$WORK/version-newer.log" 2>&1; then
  fail "find_package(qzgfx 99.0) accepted the $version package"
fi
grep -q "version: $version" "$WORK/version-newer.log" ||
  fail "find_package's refusal does not name version $version: $(cat "$WORK/version-newer.log")"

echo "== build the README's hello world against the unpacked archive"
readme_block cpp >"$WORK/hello/hello.cpp"
readme_block cmake >"$WORK/hello/CMakeLists.txt"
grep -q "qzgfx::qzgfx" "$WORK/hello/CMakeLists.txt" || fail "no CMakeLists.txt in the README"
cmake -S "$WORK/hello" -B "$WORK/hello/build" --toolchain "$toolchain" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_PREFIX_PATH="$top" -DCMAKE_CXX_FLAGS="-Wall -Wextra -Werror" >/dev/null
cmake --build "$WORK/hello/build" -j "${QZ_JOBS:-2}"
[[ -f "$WORK/hello/build/hello.exe" ]] || fail "hello.exe was not built"

if [[ $run == build-only ]]; then
  echo "archive test $preset: passed (built, not run)"
  exit 0
fi
echo "== run the hello world under Wine on a windowless screen"
source "$ROOT/tools/wine_env.sh"
wine_env
cd "$WORK/hello/build"
QZGFX=null wine hello.exe >"$WORK/hello.out" 2>&1 &
pid=$!
# Where wine32 is installed, a 64-bit program runs in a process of its own, named by its Windows
# path, beside the process started here.
winpath="Z:$(tr / '\\' <<<"$WORK/hello/build/hello.exe")"

# Whether the hello world runs: Wine names its process after the program once it has loaded it.
hello_running() {
  kill -0 "$pid" 2>/dev/null || return 1
  [[ "$(tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null)" == hello.exe* ]] && return 0
  grep -Fx "$winpath" <<<"$(ps -eo args=)" >/dev/null
}

# A failed screen ends the program at once, so still running seconds after it started means it
# opened its screen and waits for a key.
started=""
for _ in $(seq 600); do
  kill -0 "$pid" 2>/dev/null || break
  if hello_running; then
    started=1
    break
  fi
  sleep 0.1
done
[[ -n $started ]] && sleep 3
if ! hello_running; then
  kill "$pid" 2>/dev/null || true
  set +e
  wait "$pid"
  status=$?
  fail "hello.exe is not running (status $status, started: ${started:-no}): $(cat "$WORK/hello.out")"
fi
kill "$pid"
wait "$pid" 2>/dev/null || true
echo "archive test $preset: passed"
