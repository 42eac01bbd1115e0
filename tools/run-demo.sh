#!/usr/bin/env bash
# Sets up whatever is missing, builds the Windows programs and runs the lighting demo under Wine
# from the repository root. With a usable X display the demo runs in a window until Escape; with
# none it runs for a few seconds on a virtual display, a screenshot of its window is saved (its
# path is printed), and the demo is ended with Escape as a user would end it.
set -uo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
source "$ROOT/tools/xvfb.sh"
DEMO=build/win64/demo/vavaz.exe
TITLE='\[ Vavaz #2 \]'
SHOT=$ROOT/build/vavaz-screenshot.png
LOGS=$ROOT/build/logs
mkdir -p "$LOGS"

XVFB_PID=""
DEMO_PID=""

# Stops what this script started: the demo if it is still running, Wine's server, the display.
cleanup() {
  if [[ -n "$DEMO_PID" ]] && kill -0 "$DEMO_PID" 2>/dev/null; then
    kill "$DEMO_PID" 2>/dev/null || true
  fi
  wineserver -k >/dev/null 2>&1 || true
  if [[ -n "$XVFB_PID" ]]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
  fi
}

bash tools/setup.sh || exit 1
echo "==== building the Windows programs (log: build/logs/build-win64.log)"
if ! { cmake --preset win64 && cmake --build --preset win64 -j "${QZ_JOBS:-2}"; } >"$LOGS/build-win64.log" 2>&1; then
  grep -E "error|Error" "$LOGS/build-win64.log" | head -40
  echo "the build failed"
  exit 1
fi

if [[ ! -f "$DEMO" ]]; then
  echo "everything is built, but the demo is not there yet ($DEMO)"
  exit 0
fi

export WINEPREFIX=$ROOT/build/win64/wineprefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$WINEPREFIX"
trap cleanup EXIT
trap 'exit 130' INT TERM

if [[ -n "${DISPLAY:-}" ]] && xdpyinfo >/dev/null 2>&1; then
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

wineserver -p >/dev/null 2>&1 </dev/null
wineboot -i >"$LOGS/wineboot-demo.log" 2>&1 </dev/null
wine "$DEMO" </dev/null &
DEMO_PID=$!

window=""
for _ in $(seq 120); do
  window=$(xdotool search --name "$TITLE" 2>/dev/null | head -n 1)
  [[ -n "$window" ]] && break
  kill -0 "$DEMO_PID" 2>/dev/null || break
  sleep 0.5
done
if [[ -z "$window" ]]; then
  echo "the demo's window did not appear"
  exit 1
fi

sleep 4
import -window "$window" "$SHOT"
echo "screenshot: $SHOT"

timeout 10 xdotool windowfocus --sync "$window" 2>/dev/null || true
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
