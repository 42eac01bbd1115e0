#!/usr/bin/env bash
# Sets up whatever is missing, builds the native, native32, win64, win32 and win64-clang presets and
# runs every test: natively, as 32-bit x86, and the test programs of both Windows builds under Wine
# on an X display (a virtual one when none is usable), and the clang build's unit tests; makes the
# release archives and builds and runs a program against each; runs each fuzz target (built with
# clang) for 20 s. Where 32-bit Windows programs cannot run, they are only built and the summary
# says why on a line "skip test win32: <reason>". Ends with a summary and the line
# "N passed, N failed"; exits non-zero on any failure.
set -uo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
source "$ROOT/tools/wine_env.sh"
JOBS=${QZ_JOBS:-2}
LOGS=$ROOT/build/logs
mkdir -p "$LOGS"

passed=0
failed=0
report=()

trap wine_stop EXIT
trap 'exit 130' INT TERM

# Prints the time since the previous call (or the start), and starts the next interval.
STEP_START=$SECONDS
elapsed() {
  local s=$((SECONDS - STEP_START))
  STEP_START=$SECONDS
  printf '%dm%02ds' $((s / 60)) $((s % 60))
}

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
  elapsed >/dev/null
  if cmake --preset "$preset" >"$log" 2>&1 &&
     cmake --build --preset "$preset" -j "$JOBS" -- -k >>"$log" 2>&1; then
    report+=("ok    build $preset ($(elapsed))")
    return 0
  fi
  step_failed "build $preset" "$log"
  return 1
}

# Runs the ctest tests of one preset and adds them to the counts.
run_tests() {
  local preset=$1 log=$LOGS/test-$1.log
  echo "==== test $preset"
  elapsed >/dev/null
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
    report+=("ok    test $preset: $total of $total test programs passed ($(elapsed))")
  else
    report+=("FAIL  test $preset: $bad of $total test programs failed (log: ${log#"$ROOT"/})")
  fi
}

# Runs one check script of tests/package for preset $2, named $1 in the summary, with the script's
# remaining arguments; counts as one test. A build-only run says so in the summary.
run_package_script() {
  local what=$1 script=$2 preset=$3 log=$LOGS/$1-$3.log
  shift 3
  echo "==== $what $preset"
  elapsed >/dev/null
  if bash "tests/package/$script" "$preset" "$@" >"$log" 2>&1; then
    passed=$((passed + 1))
    report+=("ok    $what $preset${1:+ ($1)} ($(elapsed))")
  else
    step_failed "$what $preset" "$log"
  fi
}

# Installs a built preset to a temporary prefix and builds and runs programs outside the tree
# against the installed package (tests/package/package_test.sh).
run_package_test() {
  run_package_script package package_test.sh "$@"
}

# Makes the release archive of a built Windows preset, and builds and runs the README's hello
# world against it unpacked (tests/package/archive_test.sh).
run_archive_test() {
  run_package_script archive archive_test.sh "$@"
}

# Prints why the 32-bit Windows programs cannot run here and succeeds; fails when they can.
win32_cannot_run() {
  bash tools/probe-32bit.sh || return 0
  if [[ $(dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null) != "install ok installed" ]]; then
    echo "wine32 is not installed (see build/logs/setup.log)"
    return 0
  fi
  return 1
}

# Checks that every C++ file is laid out as .clang-format says (tools/format.sh); counts as one test.
run_format_check() {
  local log=$LOGS/format.log
  echo "==== format"
  if bash tools/format.sh >"$log" 2>&1; then
    passed=$((passed + 1))
    report+=("ok    format: $(tail -n 1 "$log")")
  else
    step_failed "format" "$log"
  fi
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
build_preset win64-clang

run_format_check
run_tests native
run_tests native32
run_package_test native
build_preset fuzz && run_fuzz

win32_reason=$(win32_cannot_run) || win32_reason=""
if ensure_display "$LOGS/xvfb.log"; then
  echo "==== using display $DISPLAY"
  wine_env "$ROOT/build/wineprefix"
  echo "==== warming Wine in ${WINEPREFIX#"$ROOT"/}"
  if wine_start "$LOGS/wineboot.log"; then
    run_tests win64
    run_package_test win64
    run_archive_test win64
    if [[ -z "$win32_reason" ]]; then
      run_tests win32
      run_package_test win32
      run_archive_test win32
    fi
    run_tests win64-clang
  else
    step_failed "starting Wine in ${WINEPREFIX#"$ROOT"/}" "$LOGS/wineboot.log"
  fi
else
  step_failed "X display for the Windows tests" "$LOGS/xvfb.log"
fi
if [[ -n "$win32_reason" ]]; then
  run_package_test win32 build-only
  run_archive_test win32 build-only
  report+=("skip test win32: $win32_reason")
fi

echo
echo "==== summary"
printf '%s\n' "${report[@]}"
echo "$((SECONDS / 60)) min $((SECONDS % 60)) s in all"
echo "$passed passed, $failed failed"
((failed == 0))
