# Sourced by every script that runs Windows programs under Wine: the Wine prefix and its settings,
# the X display, the prefix's first start (and its repair), the clean-up, and the wait for a window
# of an exact title. The Windows builds share one prefix, build/wineprefix: a 64-bit prefix runs
# the 32-bit programs too once wine32 is installed, and one warm Wine server then serves both.

QZ_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$QZ_ROOT/tools/xvfb.sh"

XVFB_PID=${XVFB_PID:-}
WINE_STARTED=${WINE_STARTED:-}

# Exports the Wine settings: the prefix $1 (else the caller's WINEPREFIX, else the shared one),
# no debug output, and no prompts to install Mono or Gecko; the caller's own settings are kept.
wine_env() {
  export WINEPREFIX=${1:-${WINEPREFIX:-$QZ_ROOT/build/wineprefix}}
  export WINEDEBUG=${WINEDEBUG:--all}
  export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
  mkdir -p "$WINEPREFIX"
}

# Whether DISPLAY names an X display that answers.
display_usable() {
  [[ -n "${DISPLAY:-}" ]] && xdpyinfo >/dev/null 2>&1
}

# Makes DISPLAY name a usable X display: the caller's when it answers, else a virtual one that
# start_xvfb makes from the same arguments (log, depth, size). Returns 1 when none comes up.
ensure_display() {
  display_usable && return 0
  start_xvfb "$@"
}

# Whether a program starts in the prefix. A prefix made before wine32 was installed starts none
# ("could not load kernel32.dll"), 64-bit programs included.
wine_prefix_works() {
  wine cmd /c exit 0 >/dev/null 2>&1 </dev/null
}

# Starts a Wine server that stays up for the prefix and makes or updates the prefix once (its
# first start takes seconds, later programs start in well under one), writing Wine's output to
# log $1. A prefix that starts no program is made again from scratch. Returns 1 when even a new
# prefix starts nothing.
wine_start() {
  local log=$1
  wineserver -p >/dev/null 2>&1 </dev/null
  WINE_STARTED=1
  wineboot -i >"$log" 2>&1 </dev/null
  wine_prefix_works && return 0
  echo "the Wine prefix $WINEPREFIX starts no program: making it again" | tee -a "$log" >&2
  wineserver -k >/dev/null 2>&1
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  wineserver -p >/dev/null 2>&1 </dev/null
  wineboot -i >>"$log" 2>&1 </dev/null
  wine_prefix_works
}

# Stops what the caller started through these functions: the Wine server, the virtual display.
wine_stop() {
  if [[ -n "$WINE_STARTED" ]]; then
    wineserver -k >/dev/null 2>&1
    WINE_STARTED=""
  fi
  if [[ -n "$XVFB_PID" ]]; then
    kill "$XVFB_PID" 2>/dev/null
    wait "$XVFB_PID" 2>/dev/null
    XVFB_PID=""
  fi
  return 0
}

# Prints the xdotool search pattern that matches title $1 exactly: anchored, with every character
# that means something in an extended regular expression escaped.
window_pattern() {
  printf '^%s$' "$(sed 's/[][\.*^$+?(){}|]/\\&/g' <<<"$1")"
}

# Waits up to $3 seconds (60 when none) for a window titled exactly $1 and sets WINDOW to its id;
# false if none appears in time or process $2 (when given) has ended.
wait_for_window() {
  local pattern pid=${2:-} tries=$((${3:-60} * 10))
  pattern=$(window_pattern "$1")
  WINDOW=""
  for _ in $(seq "$tries"); do
    WINDOW=$(xdotool search --name "$pattern" 2>/dev/null | head -1)
    [[ -n "$WINDOW" ]] && return 0
    [[ -z "$pid" ]] || kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}
