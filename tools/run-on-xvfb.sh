#!/usr/bin/env bash
# Runs one Windows program under Wine on a virtual X display of its own at the given colour depth:
#   run-on-xvfb.sh DEPTH PROGRAM [ARGS...]
# so that DirectDraw's primary surface takes that display's format. The program gets a Wine prefix
# of its own beside the caller's (WINEPREFIX-xDEPTH): one Wine server serves one display. Exits
# with the program's status. With QZ_WINE_DPI set, the prefix is one of that DPI's own
# (WINEPREFIX-xDEPTH-dpiN), whose LogPixels says the display has that many dots per inch.
set -u
cd "$(dirname "$0")/.."
ROOT=$PWD
DEPTH=$1
shift
source "$ROOT/tools/wine_env.sh"
DPI=${QZ_WINE_DPI:-}
wine_env "${WINEPREFIX:-$ROOT/build/wineprefix}-x$DEPTH${DPI:+-dpi$DPI}"
trap wine_stop EXIT
mkdir -p "$ROOT/build/logs"
if ! start_xvfb "$ROOT/build/logs/xvfb-x$DEPTH.log" "$DEPTH"; then
  echo "cannot start a $DEPTH-bit Xvfb"
  exit 1
fi
if ! wine_start "$ROOT/build/logs/wineboot-x$DEPTH.log"; then
  echo "Wine starts no program in $WINEPREFIX"
  exit 1
fi
# Without a window manager, Wine waits two seconds for one at every window it destroys unless its
# windows are unmanaged.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
if [[ -n $DPI ]]; then
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$DPI" /f >/dev/null 2>&1
fi
wine "$@"
