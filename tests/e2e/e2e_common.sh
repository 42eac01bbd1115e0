# Sourced by the end-to-end scripts: checks that count failures, a Wine prefix and a virtual
# display of the script's own, and the program under test (APP_PID), stopped when the script ends.
# The Wine settings and the exact-title window wait come from tools/wine_env.sh.

source "$(dirname "${BASH_SOURCE[0]}")/../../tools/wine_env.sh"

FAILURES=0
APP_PID=""

# Records a failed check.
fail() {
  echo "FAIL: $*"
  FAILURES=$((FAILURES + 1))
}

# Records a passed check.
pass() {
  echo "ok: $*"
}

# Checks that condition $1 (an arithmetic expression) holds, passing or failing with text $2.
check() {
  if (($1)); then pass "$2"; else fail "$2 [$1]"; fi
}

# Stops what the script started: the program if it still runs, then the display.
e2e_cleanup() {
  if [[ -n "$APP_PID" ]] && kill -0 "$APP_PID" 2>/dev/null; then
    kill "$APP_PID" 2>/dev/null
  fi
  wine_stop
}

# Sets Wine up in WORK ($1; WINEPREFIX when set) and starts a display of our own, whose number the
# server chooses, and a persistent Wine server; exits the script when no display comes up.
e2e_start() {
  local work=$1
  wine_env "${WINEPREFIX:-$work/wineprefix}"
  trap e2e_cleanup EXIT
  start_xvfb "$work/xvfb.log" || { echo "FAIL: no virtual display"; exit 1; }
  wineserver -p >/dev/null 2>&1
}

# Waits up to 20 s for the program to end after $2 (what was done to it) and checks that its exit
# status is 0; $1 names the run.
expect_clean_exit() {
  for _ in $(seq 200); do
    kill -0 "$APP_PID" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$APP_PID" 2>/dev/null; then
    fail "$1: still runs 20 s after $2"
    kill "$APP_PID" 2>/dev/null
    APP_PID=""
    return
  fi
  wait "$APP_PID"
  local status=$?
  APP_PID=""
  check "$status == 0" "$1: $2 ends it with status 0"
}
