# Sourced by the run scripts: starts a virtual X display of our own.

# Starts Xvfb on a display number the server picks, writing its output to LOG (the first argument),
# at the colour depth given as the second argument (24 when none) and the size given as the third
# (1024x768 when none, the size the tests' pictures assume). Sets XVFB_PID and exports
# DISPLAY; returns 1 when no display came up within ten seconds. Key auto-repeat is off, so a key
# held down by a test arrives once however slowly a busy machine runs the program.
start_xvfb() {
  local log=$1 depth=${2:-24} size=${3:-1024x768}
  local fdfile
  fdfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "${size}x$depth" -nolisten tcp -r 3>"$fdfile" >"$log" 2>&1 </dev/null &
  XVFB_PID=$!
  for _ in $(seq 100); do
    [[ -s "$fdfile" ]] && break
    sleep 0.1
  done
  if [[ ! -s "$fdfile" ]]; then
    rm -f "$fdfile"
    return 1
  fi
  export DISPLAY=":$(head -1 "$fdfile" | tr -d '[:space:]')"
  rm -f "$fdfile"
}
