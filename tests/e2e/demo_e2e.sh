#!/usr/bin/env bash
# Runs the lighting demo under Wine as a user runs it: a window titled "[ Vavaz #2 ]" that shows
# bricks and moving glows, R held re-scatters the glows, Escape ends the program with status 0;
# the glows never darken the bricks; started where the images are missing it prints exactly the two
# error lines and still runs, showing plain coloured squares on black.
#
# Usage: demo_e2e.sh VAVAZ_EXE REPOSITORY_ROOT WORK_DIR
set -uo pipefail

EXE=$(readlink -f "$1")
ROOT=$(readlink -f "$2")
WORK=$3
TITLE='[ Vavaz #2 ]'

source "$ROOT/tests/e2e/e2e_common.sh"

rm -rf "$WORK"
mkdir -p "$WORK/elsewhere"
e2e_start "$WORK"

# Starts the demo in directory $1 with its output in $2 (APP_PID is its process).
start_demo() {
  (cd "$1" && exec wine "$EXE" >"$2" 2>"$2.err") &
  APP_PID=$!
}

# Holds key $2 down in window $1 for $3 seconds, as a user would.
hold_key() {
  xdotool windowfocus --sync "$1" >/dev/null 2>&1
  xdotool keydown "$2"
  sleep "$3"
  xdotool keyup "$2"
}

# Presses Escape in window $1 and checks that the demo ends with status 0 within 20 s.
end_with_escape() {
  hold_key "$1" Escape 0.3
  expect_clean_exit "$2" Escape
}

# Saves a screenshot of window $1 to $2.
shoot() {
  import -window "$1" "$2" 2>/dev/null
}

# The number of pixels in which pictures $1 and $2 differ by more than $3 percent.
pixels_differing() {
  compare -metric AE -fuzz "$3%" "$1" "$2" null: 2>&1 | sed 's/ .*//' | cut -d. -f1
}

# The mean of channel $2 (r, g or b) of picture $1, 0 to 255.
channel_mean() {
  convert "$1" -format "%[fx:int(255*mean.$2)]" info:
}

# Writes to $1 the frame the demo draws with no glow: the brick tile (uncompressed, bottom row
# first in the file) repeated from the top-left corner at half brightness, every channel squared.
bricks_alone() {
  tail -c +19 "$ROOT/resources/examples/brick.tga" |
    convert -size 128x64 -depth 8 bgr:- -flip -write mpr:tile +delete -size 640x480 tile:mpr:tile \
      -evaluate multiply 0.50196 -evaluate pow 2 -depth 8 "$1"
}

# How many levels the darkest pixel of picture $1 lies below picture $2 in any channel (0 when no
# pixel of $1 is darker).
darkest_below() {
  convert "$2" "$1" -compose minus_src -composite -separate -evaluate-sequence max \
    -format "%[fx:int(maxima*255+0.5)]" info:
}

# --- run 1: from the repository root, where the images are --------------------------------------
start_demo "$ROOT" "$WORK/run1.out"
wait_for_window "$TITLE" "$APP_PID" || { fail "run 1: no window titled '$TITLE'"; exit 1; }
pass "run 1: a window titled '$TITLE'"
[[ "$(xdotool getwindowname "$WINDOW")" == "$TITLE" ]] || fail "run 1: the title is not exactly '$TITLE'"
eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
if [[ "$WIDTH" == 640 && "$HEIGHT" == 480 ]]; then pass "run 1: 640 x 480"; else fail "run 1: size ${WIDTH}x${HEIGHT}"; fi
sleep 2
shoot "$WINDOW" "$WORK/a.png"
sleep 0.5
shoot "$WINDOW" "$WORK/b.png"
moved=$(pixels_differing "$WORK/a.png" "$WORK/b.png" 10)
if [[ "$moved" -gt 0 ]]; then pass "run 1: the picture moves ($moved pixels changed)"; else fail "run 1: two screenshots are the same"; fi
colours=$(convert "$WORK/a.png" -format %k info:)
if [[ "$colours" -ge 1000 ]]; then pass "run 1: $colours colours"; else fail "run 1: only $colours colours"; fi
red=$(channel_mean "$WORK/a.png" r)
blue=$(channel_mean "$WORK/a.png" b)
if [[ "$red" -gt "$blue" ]]; then pass "run 1: reddish bricks (mean red $red, blue $blue)"; else fail "run 1: no bricks (mean red $red, blue $blue)"; fi
bricks_alone "$WORK/bricks.png"
darker=$(darkest_below "$WORK/a.png" "$WORK/bricks.png")
if [[ "$darker" -le 2 ]]; then
  pass "run 1: the glows only add light (no pixel more than $darker levels below the bricks alone)"
else
  fail "run 1: a pixel lies $darker levels below the bricks alone: a glow darkens what it covers"
fi

# Change between two screenshots taken close together, without R and with R held. Counting only
# large changes, a glow that moves a few pixels barely counts, one that jumps elsewhere fully. How
# far the glows move between two shots depends on how busy the machine is, so a failed comparison
# is measured once more before it counts.
rescatter_measure() {
  shoot "$WINDOW" "$WORK/c.png"
  shoot "$WINDOW" "$WORK/d.png"
  calm=$(pixels_differing "$WORK/c.png" "$WORK/d.png" 30)
  xdotool windowfocus --sync "$WINDOW" >/dev/null 2>&1
  xdotool keydown r
  sleep 0.5
  shoot "$WINDOW" "$WORK/e.png"
  shoot "$WINDOW" "$WORK/f.png"
  xdotool keyup r
  scattered=$(pixels_differing "$WORK/e.png" "$WORK/f.png" 30)
  [[ "$scattered" -gt $((3 * calm + 5000)) ]]
}
if rescatter_measure || rescatter_measure; then
  pass "run 1: holding R re-scatters the glows ($scattered pixels changed, $calm without R)"
else
  fail "run 1: holding R changed $scattered pixels, $calm without R"
fi
end_with_escape "$WINDOW" "run 1"
if [[ -s "$WORK/run1.out" ]]; then fail "run 1: unexpected output: $(cat "$WORK/run1.out")"; else pass "run 1: no output"; fi

# --- run 2: from a directory without the images ---------------------------------------------------
start_demo "$WORK/elsewhere" "$WORK/run2.out"
wait_for_window "$TITLE" "$APP_PID" || { fail "run 2: no window"; exit 1; }
sleep 2
if kill -0 "$APP_PID" 2>/dev/null; then pass "run 2: still runs without its images"; else fail "run 2: ended by itself"; fi
shoot "$WINDOW" "$WORK/g.png"
end_with_escape "$WINDOW" "run 2"
# Without images there are no bricks and the glows are flat squares of their colour, squared:
# few colours, black around them, every channel of a square at least (128/255)^2 * 255 = 64.
read -r colours lit dimmest < <(convert "$WORK/g.png" -format %c histogram:info:- |
  awk -F'[(),:]+' '{ n++; r = $3 + 0; g = $4 + 0; b = $5 + 0
                     if (r + g + b > 0) { lit += $1; m = r < g ? r : g; m = m < b ? m : b
                                          if (dim == "" || m < dim) dim = m } }
                   END { print n, lit + 0, (dim == "" ? -1 : dim) }')
if [[ "$colours" -le 64 && "$lit" -gt 0 && "$dimmest" -ge 63 ]]; then
  pass "run 2: plain squares on black ($colours colours, $lit lit pixels, dimmest channel $dimmest)"
else
  fail "run 2: not plain squares on black ($colours colours, $lit lit pixels, dimmest channel $dimmest)"
fi
printf 'Error: Loading texture... resources/examples/light.tga\r\nError: Loading texture... resources/examples/brick.tga\r\n' >"$WORK/run2.expected"
if cmp -s "$WORK/run2.out" "$WORK/run2.expected"; then
  pass "run 2: exactly the two error lines"
else
  fail "run 2: output differs from the two error lines:"
  od -c "$WORK/run2.out" | head -20
fi

echo "screenshots in $WORK"
[[ $FAILURES -eq 0 ]]
