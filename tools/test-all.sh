#!/usr/bin/env bash
# Sets up whatever is missing, builds the native, native32, win64 and win32 presets and runs every
# test: natively, as 32-bit x86, and the Windows test programs under Wine on an X display (a virtual
# one when none is usable); runs each fuzz target (built with clang) for 20 s. Ends with a summary
# and the line "N passed, N failed"; exits non-zero on any failure.
set -uo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
source "$ROOT/tools/xvfb.sh"
JOBS=${QZ_JOBS:-2}
LOGS=$ROOT/build/logs
mkdir -p "$LOGS"

passed=0
failed=0
report=()

XVFB_PID=""
WINE_STARTED=""

# Stops what this script started: the persistent Wine server and the virtual display.
cleanup() {
  if [[ -n "$WINE_STARTED" ]]; then
    wineserver -k >/dev/null 2>&1 || true
  fi
  if [[ -n "$XVFB_PID" ]]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
  fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Notes one failed step that is not a ctest test (set-up, a build) and shows the end of its log.
step_failed() {
  local what=$1 log=$2
  failed=$((failed + 1))
  report+=("FAIL  $what (log: ${log#"$ROOT"/})")
  echo "---- $what failed; from its log:"
  if ! grep -m 40 -E "(error|Error):|undefined reference|\*\*\* " "$log"; then
    tail -n 20 "$log"
  fi
}

# Configures and builds one preset, going on past errors so every broken file shows.
build_preset() {
  local preset=$1 log=$LOGS/build-$1.log
  echo "==== build $preset"
  if cmake --preset "$preset" >"$log" 2>&1 &&
     cmake --build --preset "$preset" -j "$JOBS" -- -k >>"$log" 2>&1; then
    report+=("ok    build $preset")
    return 0
  fi
  step_failed "build $preset" "$log"
  return 1
}

# Runs the ctest tests of one preset and adds them to the counts.
run_tests() {
  local preset=$1 log=$LOGS/test-$1.log
  echo "==== test $preset"
  ctest --preset "$preset" --timeout 600 2>&1 | tee "$log"
  local line total bad
  line=$(grep -E "tests passed, [0-9]+ tests? failed out of [0-9]+" "$log" | tail -n 1)
  if [[ -z "$line" ]]; then
    if grep -q "No tests were found" "$log"; then
      report+=("ok    test $preset: no tests")
      return
    fi
    step_failed "test $preset (ctest did not finish)" "$log"
    return
  fi
  bad=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
  total=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\2/' <<<"$line")
  passed=$((passed + total - bad))
  failed=$((failed + bad))
  if ((bad == 0)); then
    report+=("ok    test $preset: $total of $total test programs passed")
  else
    report+=("FAIL  test $preset: $bad of $total test programs failed (log: ${log#"$ROOT"/})")
  fi
}

# Installs a built preset to a temporary prefix and builds and runs programs outside the tree
# against the installed package (tests/package/package_test.sh); counts as one test.
run_package_test() {
  local preset=$1 log=$LOGS/package-$1.log
  echo "==== package $preset"
  if bash tests/package/package_test.sh "$preset" >"$log" 2>&1; then
    passed=$((passed + 1))
    report+=("ok    package $preset")
  else
    step_failed "package $preset" "$log"
  fi
}

# Makes DISPLAY name a usable X display, starting a virtual one when there is none.
ensure_display() {
  if [[ -n "${DISPLAY:-}" ]] && xdpyinfo >/dev/null 2>&1; then
    echo "==== using display $DISPLAY"
    return 0
  fi
  if ! start_xvfb "$LOGS/xvfb.log"; then
    echo "could not start Xvfb (see build/logs/xvfb.log)"
    return 1
  fi
  echo "==== started Xvfb on $DISPLAY"
}

# Starts a persistent Wine server for the test prefix and creates the prefix once, so that the
# test programs do not pay for Wine's first start.
warm_wine() {
  export WINEPREFIX=$ROOT/build/win64/wineprefix
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  mkdir -p "$WINEPREFIX"
  echo "==== warming Wine in ${WINEPREFIX#"$ROOT"/}"
  wineserver -p >/dev/null 2>&1 </dev/null
  WINE_STARTED=1
  wineboot -i >"$LOGS/wineboot.log" 2>&1 </dev/null
}

# Runs each libFuzzer target for 20 s from its committed seeds; what it adds goes under build/fuzz.
run_fuzz() {
  local name log=$LOGS/fuzz.log
  echo "==== fuzz"
  : >"$log"
  for name in tga bmp image lzw; do
    mkdir -p "build/fuzz/corpus-$name"
    if "build/fuzz/tests/fuzz/fuzz_$name" -max_total_time=20 -timeout=10 -rss_limit_mb=2048 \
         "build/fuzz/corpus-$name" "tests/fuzz/corpus/$name" >>"$log" 2>&1; then
      passed=$((passed + 1))
      report+=("ok    fuzz $name: 20 s, nothing found")
    else
      step_failed "fuzz $name" "$log"
    fi
  done
}

echo "==== setup"
if ! bash tools/setup.sh >"$LOGS/setup.log" 2>&1; then
  step_failed "setup" "$LOGS/setup.log"
fi
cat "$LOGS/setup.log"

# A failed build still runs the tests: ctest reports the programs that are missing as failures.
build_preset native
# The portable code again as 32-bit x86 (run under qemu where the kernel cannot start it).
build_preset native32
build_preset win64
build_preset win32

run_tests native
run_tests native32
run_package_test native
run_package_test win32
build_preset fuzz && run_fuzz

if ensure_display; then
  warm_wine
  run_tests win64
  run_package_test win64
else
  step_failed "X display for the Windows tests" "$LOGS/xvfb.log"
fi

echo
echo "==== summary"
printf '%s\n' "${report[@]}"
echo "$passed passed, $failed failed"
((failed == 0))
