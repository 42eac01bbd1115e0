#!/usr/bin/env bash
# Sets up whatever is missing, builds the Windows programs and runs the lighting demo under Wine
# from the repository root. With a usable X display the demo runs in a window until Escape; with
# none it runs for a few seconds on a virtual display, a screenshot of its window is saved (its
# path is printed), and the demo is ended with Escape as a user would end it.
# Usage: tools/run-demo.sh [win64|win32]   (the 64-bit demo when none; QZ_PRESET names it too)
set -uo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
source "$ROOT/tools/wine_env.sh"
PRESET=${1:-${QZ_PRESET:-win64}}
case $PRESET in
  win64 | win32) ;;
  *) echo "usage: tools/run-demo.sh [win64|win32]"; exit 2 ;;
esac
DEMO=build/$PRESET/demo/vavaz.exe
TITLE='[ Vavaz #2 ]'
SHOT=$ROOT/build/vavaz-screenshot.png
LOGS=$ROOT/build/logs
mkdir -p "$LOGS"

DEMO_PID=""

# Stops what this script started: the demo if it is still running, Wine's server, the display.
cleanup() {
  if [[ -n "$DEMO_PID" ]] && kill -0 "$DEMO_PID" 2>/dev/null; then
    kill "$DEMO_PID" 2>/dev/null || true
  fi
  wine_stop
}

bash tools/setup.sh || exit 1
if [[ $PRESET == win32 ]] && ! reason=$(bash tools/probe-32bit.sh); then
  echo "the 32-bit demo cannot run here: $reason"
  exit 1
fi
echo "==== building the Windows programs (log: build/logs/build-$PRESET.log)"
if ! { cmake --preset "$PRESET" && cmake --build --preset "$PRESET" -j "${QZ_JOBS:-2}"; } >"$LOGS/build-$PRESET.log" 2>&1; then
  grep -E "error|Error" "$LOGS/build-$PRESET.log" | head -40
  echo "the build failed"
  exit 1
fi

if [[ ! -f "$DEMO" ]]; then
  echo "everything is built, but the demo is not there yet ($DEMO)"
  exit 0
fi

wine_env
trap cleanup EXIT
trap 'exit 130' INT TERM

if display_usable; then
  wine_start "$LOGS/wineboot-demo.log" || { echo "Wine starts no program in $WINEPREFIX"; exit 1; }
  echo "==== running the demo on $DISPLAY; press Escape in its window to end it"
  wine "$DEMO"
  status=$?
  echo "the demo ended with exit status $status"
  exit "$status"
fi

if ! start_xvfb "$LOGS/xvfb-demo.log"; then
  echo "could not start a virtual display (see build/logs/xvfb-demo.log)"
  exit 1
fi
echo "==== no usable display: running the demo on the virtual display $DISPLAY"

wine_start "$LOGS/wineboot-demo.log" || { echo "Wine starts no program in $WINEPREFIX"; exit 1; }
wine "$DEMO" </dev/null &
DEMO_PID=$!

if ! wait_for_window "$TITLE" "$DEMO_PID" 60; then
  echo "the demo's window did not appear"
  exit 1
fi

sleep 4
import -window "$WINDOW" "$SHOT"
echo "screenshot: $SHOT"

timeout 10 xdotool windowfocus --sync "$WINDOW" 2>/dev/null || true
xdotool keydown Escape
sleep 0.3
xdotool keyup Escape
for _ in $(seq 40); do
  kill -0 "$DEMO_PID" 2>/dev/null || break
  sleep 0.5
done
if kill -0 "$DEMO_PID" 2>/dev/null; then
  echo "the demo did not end on Escape"
  exit 1
fi
wait "$DEMO_PID"
status=$?
DEMO_PID=""
echo "the demo ended with exit status $status"
exit "$status"
