#!/usr/bin/env bash
# Runs every presenting benchmark of the win64 build (build/win64/bench/*_present_bench.exe, one
# per display driver) under Wine in one session and prints their rows as one table: each driver's
# pass beside the bare platform path (SetDIBitsToDevice for GDI, StretchDIBits at a scale; Lock,
# copy, Unlock and a Blt, stretching at a scale, for DirectDraw), at scale 1 and scaled. Uses the
# X display in DISPLAY when it works, else starts a virtual one of 2048 x 1536 at the depth given as
# the first argument (24 when none). Build first:
#   cmake --preset win64 && cmake --build --preset win64 --target gdi_present_bench dx_present_bench
set -uo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
source "$ROOT/tools/wine_env.sh"
# A prefix of its own: Wine keeps the display's size in its prefix, and the shared one knows the
# tests' 1024 x 768 display, on which a 1280 x 960 window is cut to the display's size.
wine_env "${WINEPREFIX:-$ROOT/build/wineprefix}-bench"
trap wine_stop EXIT

shopt -s nullglob
programs=("$ROOT"/build/win64/bench/*_present_bench.exe)
if ((${#programs[@]} == 0)); then
  echo "no presenting benchmarks in build/win64/bench: build the win64 preset first" >&2
  exit 1
fi
mkdir -p "$ROOT/build/logs"
# Large enough for the scaled windows (1280 x 960 and their frames) to lie wholly on the display,
# so that no Blt is clipped away.
ensure_display "$ROOT/build/logs/xvfb-bench.log" "${1:-24}" 2048x1536 || { echo "could not start Xvfb" >&2; exit 1; }
wine_start "$ROOT/build/logs/wineboot-bench.log" || { echo "Wine starts no program" >&2; exit 1; }
# Without a window manager Wine waits for one whenever a managed window goes away; the bare
# thread of the idle rows, which has a window of its own, would then wait for minutes.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1

echo "| driver | depth | measure | pass µs / value | bare path µs | pass / bare |"
echo "| --- | --- | --- | --- | --- | --- |"
status=0
for program in "${programs[@]}"; do
  wine "$program" || { echo "$(basename "$program") failed" >&2; status=1; }
done
exit $status
