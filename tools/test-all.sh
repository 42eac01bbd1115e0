#!/usr/bin/env bash
# Sets up whatever is missing, builds the native, win64 and win32 presets and runs every test:
# natively, and the Windows test programs under Wine on an X display (a virtual one when none is
# usable). Ends with a summary and the line "N passed, N failed"; exits non-zero on any failure.
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

if ensure_display; then
  warm_wine
  run_tests win64
else
  step_failed "X display for the Windows tests" "$LOGS/xvfb.log"
fi

echo
echo "==== summary"
printf '%s\n' "${report[@]}"
echo "$passed passed, $failed failed"
((failed == 0))
