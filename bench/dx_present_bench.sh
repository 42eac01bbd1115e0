#!/usr/bin/env bash
# Runs the DirectDraw presenting benchmark under Wine on a virtual X display of the given depth
# (24 by default) and prints its table. Builds the program with the win64 preset when missing.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
DEPTH=${1:-24}
source "$ROOT/tools/xvfb.sh"
BIN=$ROOT/build/win64/bench/dx_present_bench.exe
if [[ ! -x "$BIN" ]]; then
  cmake --preset win64 >/dev/null
  cmake --build --preset win64 --target dx_present_bench -j2 >/dev/null
fi
XVFB_PID=""
cleanup() {
  WINEPREFIX=$ROOT/build/win64/wineprefix-bench wineserver -k >/dev/null 2>&1 || true
  [[ -n "$XVFB_PID" ]] && kill "$XVFB_PID" 2>/dev/null || true
}
trap cleanup EXIT
mkdir -p "$ROOT/build/logs"
start_xvfb "$ROOT/build/logs/xvfb-bench.log" "$DEPTH"
export WINEPREFIX=$ROOT/build/win64/wineprefix-bench
echo "X display depth $DEPTH"
bash "$ROOT/tools/run-wine.sh" "$BIN"
