#!/usr/bin/env bash
# Installs one preset's build into a prefix of its own and builds, outside the tree, the package
# check program, a runtime-only program and the README's hello world (taken from the README as it
# stands) against the installed package; then runs them where that preset's programs run:
#   native  natively, on windowless screens (QZGFX=null)
#   win64, win32   under Wine: windowless screens, and an OpenGL window on the X display in DISPLAY
# Usage: tests/package/package_test.sh native|win64|win32 [build-only]   (the preset must be built)
# With build-only nothing is run (where the preset's programs cannot start). Under Wine it uses the
# caller's WINEPREFIX, else the prefix the Windows builds share.
set -euo pipefail
preset=$1
run=${2:-run}
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
BUILD=$ROOT/build/$preset
WORK=$BUILD/package-test
case $preset in
  native) toolchain=() ;;
  win64) toolchain=(--toolchain "$ROOT/cmake/toolchain-mingw64.cmake") ;;
  win32) toolchain=(--toolchain "$ROOT/cmake/toolchain-mingw32.cmake") ;;
  *) echo "unknown preset $preset"; exit 2 ;;
esac

source "$ROOT/tests/package/package_common.sh"

rm -rf "$WORK"
mkdir -p "$WORK/hello"
echo "== install build/$preset"
cmake --install "$BUILD" --prefix "$WORK/prefix" >/dev/null
headers=$(cd "$WORK/prefix" && find . -name '*.h' | sort | tr '\n' ' ')
[[ "$headers" == "./include/qzgfx.h " ]] || fail "installed headers are: $headers"

readme_block cpp >"$WORK/hello/hello.cpp"
readme_block cmake >"$WORK/hello/CMakeLists.txt"
grep -q "#include <qzgfx.h>" "$WORK/hello/hello.cpp" || fail "no hello world in the README"
grep -q "qzgfx::qzgfx" "$WORK/hello/CMakeLists.txt" || fail "no CMakeLists.txt in the README"

echo "== build the programs outside the tree"
cmake -S "$ROOT/tests/package/app" -B "$WORK/build" "${toolchain[@]}" -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_PREFIX_PATH="$WORK/prefix" -DQZ_HELLO_DIR="$WORK/hello" \
  -DCMAKE_CXX_FLAGS="-Wall -Wextra -Werror" >/dev/null
cmake --build "$WORK/build" -j "${QZ_JOBS:-2}"

exe=""
[[ $preset == native ]] || exe=.exe
for program in package_check runtime_alone hello/hello; do
  [[ -f "$WORK/build/$program$exe" ]] || fail "$program$exe was not built"
done

if [[ $run == build-only ]]; then
  echo "package test $preset: passed (built, not run)"
  exit 0
fi
case $preset in
  native)
    echo "== run natively"
    QZGFX=null "$WORK/build/package_check"
    "$WORK/build/runtime_alone"
    ;;
  win64 | win32)
    echo "== run under Wine"
    source "$ROOT/tools/wine_env.sh"
    wine_env
    QZGFX=null wine "$WORK/build/package_check.exe"
    wine "$WORK/build/runtime_alone.exe"
    [[ -n "${DISPLAY:-}" ]] || fail "no X display for the OpenGL window"
    env -u QZGFX wine "$WORK/build/package_check.exe" opengl
    ;;
esac
echo "package test $preset: passed"
