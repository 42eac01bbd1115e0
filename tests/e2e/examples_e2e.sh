#!/usr/bin/env bash
# Runs each example under Wine as a user runs it: its window and title, a picture that shows what
# it should (checked in the window's own pixels with ImageMagick), the keys and mouse it reads, and
# Escape ending it with status 0. The software examples run on the GDI driver, and on the
# DirectDraw driver when the build has one; QZGFX=OpenGL and QZGFX=null are checked as the README
# says they behave. Each example's screenshot is kept; with SHOTS_DIR they are copied there for
# the README.
#
# Usage: examples_e2e.sh EXAMPLES_BUILD_DIR REPOSITORY_ROOT WORK_DIR [SHOTS_DIR]
set -uo pipefail

BIN=$(readlink -f "$1")
ROOT=$(readlink -f "$2")
mkdir -p "$3"
WORK=$(readlink -f "$3")
SHOTS=${4:+$(mkdir -p "$4" && readlink -f "$4")}

source "$ROOT/tests/e2e/e2e_common.sh"

rm -rf "$WORK"
mkdir -p "$WORK"
e2e_start "$WORK"

# Starts example $1 with QZGFX=$2 (empty: unset) from its own directory; APP_PID is its process.
start_example() {
  local log=$WORK/$1-${2:-default}.out
  if [[ -n "$2" ]]; then
    (cd "$BIN" && QZGFX=$2 exec wine "$BIN/$1.exe" >"$log" 2>&1) &
  else
    (cd "$BIN" && env -u QZGFX wine "$BIN/$1.exe" >"$log" 2>&1) &
  fi
  APP_PID=$!
}

# Presses key $1 (an X key name) in the window: down, a short hold, up.
press() {
  xdotool windowfocus --sync "$WINDOW" >/dev/null 2>&1
  xdotool keydown "$1"
  sleep 0.15
  xdotool keyup "$1"
  sleep 0.15
}

# Presses Escape and checks that the example ends with status 0 within 20 s; $1 names the run.
end_with_escape() {
  press Escape
  expect_clean_exit "$1" Escape
}

# Closes the window as a user does (Alt+F4) and checks that the example ends with status 0.
end_with_close() {
  xdotool windowfocus --sync "$WINDOW" >/dev/null 2>&1
  xdotool keydown alt keydown F4
  sleep 0.15
  xdotool keyup F4 keyup alt
  expect_clean_exit "$1" "closing the window"
}

# Saves a screenshot of the window to $1 (waiting a moment for the frame to settle first).
shoot() {
  sleep 0.4
  import -window "$WINDOW" "$1" 2>/dev/null
}

# The colour of pixel ($2, $3) of picture $1 as "r,g,b" (0..255).
pixel() {
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

# A hash of the pixels of the w x h rectangle at (x, y) of picture $1: equal hashes, equal pixels.
region() {
  convert "$1" -crop "$4x$5+$2+$3" +repage -depth 8 rgb:- | md5sum | cut -c1-32
}

# The hash of the text cell (8 x 16 pixels) at 1-based row $2, column $3 of picture $1.
cell() {
  region "$1" $((($3 - 1) * 8)) $((($2 - 1) * 16)) 8 16
}

# The number of distinct colours in picture $1.
colours() {
  convert "$1" -format %k info:
}

# The number of pixels in which pictures $1 and $2 differ.
pixels_differing() {
  compare -metric AE "$1" "$2" null: 2>&1 | sed 's/ .*//' | cut -d. -f1
}

# Checks that text $1 equals text $2, passing or failing with text $3.
expect() {
  if [[ "$1" == "$2" ]]; then pass "$3"; else fail "$3: got '$1', expected '$2'"; fi
}

# Checks that the window has title $1 exactly and client size $2 (w x h); $3 names the run.
check_window() {
  pass "$3: a window titled '$1'"
  local name
  name=$(xdotool getwindowname "$WINDOW")
  [[ "$name" == "$1" ]] || fail "$3: the title is '$name'"
  # Another window of the same title may show first (the OpenGL screen's under Wine does): take
  # the one of the screen's size when it comes.
  local w pattern found=""
  pattern=$(window_pattern "$1")
  for _ in $(seq 50); do
    for w in $(xdotool search --name "$pattern" 2>/dev/null); do
      eval "$(xdotool getwindowgeometry --shell "$w")"
      if [[ "${WIDTH}x${HEIGHT}" == "$2" ]]; then
        WINDOW=$w
        found=1
        break
      fi
    done
    [[ -n "$found" ]] && break
    sleep 0.1
  done
  eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
  if [[ "${WIDTH}x${HEIGHT}" == "$2" ]]; then pass "$3: $2"; else fail "$3: size ${WIDTH}x${HEIGHT}, not $2"; fi
}

# Keeps screenshot $1 as the README's picture of example $2.
keep_shot() {
  cp "$1" "$WORK/$2.png"
  if [[ -n "$SHOTS" ]]; then
    mkdir -p "$SHOTS"
    cp "$1" "$SHOTS/$2.png"
  fi
}

# --- palette animation ----------------------------------------------------------------------------
# $1: QZGFX value; $2: "full" for every check, else only window and colours, then Escape, or
# closing the window when $2 is "close".
palette_cycle() {
  local run="palette_cycle QZGFX=${1:-unset}" d=$WORK/palette-${1:-unset}
  mkdir -p "$d"
  start_example palette_cycle "$1"
  wait_for_window "qzgfx palette animation" "$APP_PID" || { fail "$run: no window"; return; }
  check_window "qzgfx palette animation" 320x200 "$run"
  shoot "$d/a.png"
  local n
  n=$(colours "$d/a.png")
  check "$n >= 200" "$run: $n colours"
  # Each diagonal x + y = k holds one palette index, so one colour.
  local same=0 x y
  for x in 10 60 110 160 210 260; do
    for y in 20 90 150; do
      [[ "$(pixel "$d/a.png" "$x" "$y")" == "$(pixel "$d/a.png" $((x + 7)) $((y - 7)))" ]] && same=$((same + 1))
    done
  done
  check "$same == 18" "$run: one colour along each diagonal ($same of 18 pairs)"
  if [[ "$2" == full ]]; then
    shoot "$d/b.png"
    n=$(pixels_differing "$d/a.png" "$d/b.png")
    check "$n > 10000" "$run: the colours flow ($n pixels changed)"
    press space
    shoot "$d/c.png"
    shoot "$d/d.png"
    n=$(pixels_differing "$d/c.png" "$d/d.png")
    check "$n == 0" "$run: Space pauses ($n pixels changed)"
    press space
    shoot "$d/e.png"
    n=$(pixels_differing "$d/d.png" "$d/e.png")
    check "$n > 10000" "$run: Space again resumes ($n pixels changed)"
    [[ "$1" == GDI ]] && keep_shot "$d/a.png" palette_cycle
  fi
  if [[ "$2" == close ]]; then end_with_close "$run"; else end_with_escape "$run"; fi
}

# --- text screen ------------------------------------------------------------------------------------
text_screen() {
  local run="text_screen QZGFX=${1:-unset}" d=$WORK/text-${1:-unset}
  mkdir -p "$d"
  start_example text_screen "$1"
  wait_for_window "qzgfx text screen" "$APP_PID" || { fail "$run: no window"; return; }
  check_window "qzgfx text screen" 640x480 "$run"
  shoot "$d/before.png"
  local key
  for key in w o r l d; do press "$key"; done
  press Return
  shoot "$d/after.png"
  # The name typed on row 15 and printed back on row 16 start in column 12, in the same colours.
  local typed echoed blank
  typed=$(region "$d/after.png" 88 224 40 16)
  echoed=$(region "$d/after.png" 88 240 40 16)
  blank=$(region "$d/before.png" 88 240 40 16)
  check "$(colours "$d/after.png") >= 16" "$run: sixteen colours or more on the screen"
  [[ "$typed" == "$echoed" ]] && pass "$run: the line read is printed back" ||
    fail "$run: the line printed back differs from the one typed"
  [[ "$echoed" != "$blank" ]] && pass "$run: the printed-back line is not blank" ||
    fail "$run: nothing printed back"
  # The colour cells on row 3 each show their own background colour.
  local c backgrounds=""
  for c in $(seq 0 15); do
    backgrounds+="$(pixel "$d/after.png" $((c * 32 + 1)) 32) "
  done
  local distinct
  distinct=$(tr ' ' '\n' <<<"$backgrounds" | grep . | sort -u | wc -l)
  check "$distinct == 16" "$run: sixteen background colours on row 3 ($distinct)"
  # Twenty lines went into the view of rows 5..12: all eight rows start "scrolled line", their
  # numbers differ, and the rows around the view stay as they were.
  local r prefixes="" numbers=""
  for r in $(seq 5 12); do
    prefixes+="$(region "$d/after.png" 0 $(((r - 1) * 16)) 112 16) "
    numbers+="$(region "$d/after.png" 112 $(((r - 1) * 16)) 16 16) "
  done
  check "$(tr ' ' '\n' <<<"$prefixes" | grep . | sort -u | wc -l) == 1" "$run: the view's eight rows all start 'scrolled line'"
  check "$(tr ' ' '\n' <<<"$numbers" | grep . | sort -u | wc -l) == 8" "$run: eight different line numbers in the view"
  local below
  below=$(convert "$d/after.png" -crop 640x32+0+192 +repage -format %k info:)
  check "$below == 1" "$run: rows 13 and 14 below the view stay plain ($below colour)"
  # The title's red band on row 1 ends where its text does, over the blue of the cleared screen.
  local band_start band_middle beyond
  band_start=$(pixel "$d/after.png" 4 1)
  band_middle=$(pixel "$d/after.png" 300 1)
  beyond=$(pixel "$d/after.png" 600 1)
  [[ "$band_start" == "$band_middle" && "$band_start" != "$beyond" ]] &&
    pass "$run: the title row keeps its band ($band_start, then $beyond)" ||
    fail "$run: the title row is broken ($band_start, $band_middle, $beyond)"
  [[ "$1" == GDI ]] && keep_shot "$d/after.png" text_screen
  end_with_escape "$run"
}

# --- keyboard and mouse tester ----------------------------------------------------------------------
# Reads the number in columns 16..21 of row $2 of picture $1, matching each cell against the
# digits and minus sign the tester prints on row 3.
declare -A GLYPH
read_number() {
  local text="" col h
  for col in $(seq 16 21); do
    h=$(cell "$1" "$2" "$col")
    text+=${GLYPH[$h]:-?}
  done
  tr -d ' ' <<<"$text"
}

# Learns the glyphs of the digits 0..9, "-" and the blank from picture $1.
learn_glyphs() {
  GLYPH=()
  local i chars="0123456789-"
  for i in $(seq 0 10); do
    GLYPH[$(cell "$1" 3 $((9 + i)))]=${chars:i:1}
  done
  GLYPH[$(cell "$1" 3 40)]=" "
}

# Whether the box under watched key $2 (0-based) is green in picture $1.
box_lit() {
  local rgb
  rgb=$(pixel "$1" $(($2 * 64 + 24)) 268)
  IFS=, read -r r g b <<<"$rgb"
  ((g > 200 && r < 128 && b < 128))
}

input_tester() {
  local run="input_tester QZGFX=${1:-unset}" d=$WORK/input-${1:-unset}
  mkdir -p "$d"
  start_example input_tester "$1"
  wait_for_window "qzgfx keyboard and mouse tester" "$APP_PID" || { fail "$run: no window"; return; }
  check_window "qzgfx keyboard and mouse tester" 640x480 "$run"
  shoot "$d/start.png"
  learn_glyphs "$d/start.png"
  check "${#GLYPH[@]} == 12" "$run: twelve different glyphs for 0..9, '-' and blank (${#GLYPH[@]})"
  expect "$(read_number "$d/start.png" 5) $(read_number "$d/start.png" 6)" "0 0" "$run: no key read at first"

  press a
  shoot "$d/a.png"
  local code count
  expect "$(read_number "$d/a.png" 5) $(read_number "$d/a.png" 6)" "97 1" "$run: A gives key code 97, one key read"

  xdotool windowfocus --sync "$WINDOW" >/dev/null 2>&1
  xdotool keydown space
  shoot "$d/space.png"
  box_lit "$d/space.png" 1 && pass "$run: Space shows held down" || fail "$run: Space not shown held down"
  box_lit "$d/space.png" 3 && fail "$run: A shows held down while only Space is" || pass "$run: A shows up"
  xdotool keyup space
  xdotool keydown Left
  shoot "$d/left.png"
  box_lit "$d/left.png" 6 && pass "$run: Left shows held down" || fail "$run: Left not shown held down"
  box_lit "$d/left.png" 1 && fail "$run: Space still shows held down after its release" || pass "$run: Space shows up again"
  xdotool keyup Left
  shoot "$d/keys.png"
  code=$(read_number "$d/keys.png" 5)
  count=$(read_number "$d/keys.png" 6)
  expect "$code" "$(((75 << 8) | 255))" "$run: Left gives key code (75 << 8) | 255"
  # Held keys repeat, so Space and Left gave at least one code each.
  check "${count:-0} >= 3" "$run: $count keys read in all"

  xdotool mousemove --window "$WINDOW" 200 300
  sleep 0.3
  xdotool mousedown 1
  shoot "$d/mouse.png"
  xdotool mouseup 1
  expect "$(read_number "$d/mouse.png" 8) $(read_number "$d/mouse.png" 9) $(read_number "$d/mouse.png" 10)" \
    "200 300 1" "$run: mouse at 200, 300 with the left button"
  xdotool mousemove --window "$WINDOW" 40 60
  sleep 0.3
  xdotool mousedown 3
  shoot "$d/mouse2.png"
  xdotool mouseup 3
  expect "$(read_number "$d/mouse2.png" 8) $(read_number "$d/mouse2.png" 9) $(read_number "$d/mouse2.png" 10)" \
    "40 60 2" "$run: mouse at 40, 60 with the right button"
  [[ "$1" == GDI ]] && keep_shot "$d/left.png" input_tester
  end_with_escape "$run"
}

# --- OpenGL font --------------------------------------------------------------------------------
# The bounding box "w h" of the pixels of picture $1 near colour $2.
bbox() {
  convert "$1" -fuzz 25% -fill black +opaque "$2" -fill white -opaque "$2" -trim -format "%w %h" info:
}

gl_font() {
  local run="gl_font QZGFX=${1:-unset}" d=$WORK/gl-${1:-unset}
  mkdir -p "$d"
  start_example gl_font "$1"
  wait_for_window "qzgfx OpenGL font" "$APP_PID" || { fail "$run: no window"; return; }
  check_window "qzgfx OpenGL font" 640x480 "$run"
  for _ in $(seq 20); do # the first frames may come a while after the window
    shoot "$d/a.png"
    (($(colours "$d/a.png") > 2)) && break
  done
  shoot "$d/b.png"
  local w1 h1 w2 h2 n
  read -r w1 h1 < <(bbox "$d/a.png" yellow)
  read -r w2 h2 < <(bbox "$d/a.png" cyan)
  check "w1 > 100 && h1 >= 8" "$run: the yellow line is drawn (${w1}x${h1})"
  check "w2 * 10 >= w1 * 19 && w2 * 10 <= w1 * 21 && h2 * 10 >= h1 * 18 && h2 * 10 <= h1 * 22" \
    "$run: the same text at scale 2 is twice the size (${w1}x${h1}, ${w2}x${h2})"
  n=$(pixels_differing "$d/a.png" "$d/b.png")
  check "$n > 0" "$run: the frame counter moves ($n pixels changed)"
  [[ -z "$1" ]] && keep_shot "$d/a.png" gl_font
  end_with_escape "$run"
}

# --- sprites ----------------------------------------------------------------------------------
# The number of pixels of picture $1, within the w x h rectangle at ($2, $3), for which the
# ImageMagick expression $6 holds.
count_where() {
  convert "$1" -crop "$4x$5+$2+$3" +repage -fx "$6" -format "%[fx:int(mean*w*h+0.5)]" info:
}

# $1: QZGFX value; $2: "close" to end by closing the window, else Escape.
sprites() {
  local run="sprites QZGFX=${1:-unset}" d=$WORK/sprites-${1:-unset}
  mkdir -p "$d"
  start_example sprites "$1"
  wait_for_window "qzgfx sprites" "$APP_PID" || { fail "$run: no window"; return; }
  check_window "qzgfx sprites" 640x480 "$run"
  shoot "$d/a.png"
  shoot "$d/b.png"
  # The scene, below where the balls fly: walls and roof filled by flood fill, the door, a fence
  # post and the ground.
  expect "$(pixel "$d/a.png" 285 380)" "232,216,176" "$run: the flood-filled walls"
  expect "$(pixel "$d/a.png" 320 280)" "176,48,32" "$run: the flood-filled roof"
  expect "$(pixel "$d/a.png" 320 380)" "112,64,32" "$run: the door"
  expect "$(pixel "$d/a.png" 20 390)" "240,240,224" "$run: a fence post"
  expect "$(pixel "$d/a.png" 600 460)" "42,110,42" "$run: the ground"
  # The balls: red ones show in the sky, the sheet's magenta never does, and they move.
  local red magenta n
  red=$(count_where "$d/a.png" 0 0 640 240 "r>0.55&&g<0.3&&b<0.3")
  check "$red > 200" "$run: red balls in the sky ($red pixels)"
  magenta=$(count_where "$d/a.png" 0 0 640 480 "r>0.95&&g<0.05&&b>0.95")
  check "$magenta == 0" "$run: no magenta shows around the balls ($magenta pixels)"
  n=$(pixels_differing "$d/a.png" "$d/b.png")
  check "$n > 1000" "$run: the balls move ($n pixels changed)"
  convert "$d/a.png" -crop 640x240+0+240 +repage "$d/a-below.png"
  convert "$d/b.png" -crop 640x240+0+240 +repage "$d/b-below.png"
  n=$(pixels_differing "$d/a-below.png" "$d/b-below.png")
  check "$n == 0" "$run: the scene below them stays ($n pixels changed)"
  [[ "$1" == GDI ]] && keep_shot "$d/a.png" sprites
  if [[ "${2:-}" == close ]]; then end_with_close "$run"; else end_with_escape "$run"; fi
}

# --- window scale ---------------------------------------------------------------------------------
# Waits up to 40 s for the window titled "qzgfx window scale" of client size $1 to show, and sets
# WINDOW to it. A switch out of a full screen takes seconds under Wine without a window manager.
scaled_window() {
  local w pattern
  pattern=$(window_pattern "qzgfx window scale")
  for _ in $(seq 400); do
    for w in $(xdotool search --onlyvisible --name "$pattern" 2>/dev/null); do
      eval "$(xdotool getwindowgeometry --shell "$w")"
      if [[ "${WIDTH}x${HEIGHT}" == "$1" ]]; then
        WINDOW=$w
        return 0
      fi
    done
    sleep 0.1
  done
  return 1
}

# Presses Alt+Enter in the window, as a user switches between window and full screen.
alt_enter() {
  xdotool windowfocus --sync "$WINDOW" >/dev/null 2>&1
  xdotool keydown alt keydown Return
  sleep 0.15
  xdotool keyup Return keyup alt
}

# The number of pixels in which picture $1 below its status line (8 rows at scale $2) differs
# from picture $3 (at scale 1) enlarged $2 times by ImageMagick.
differs_from_enlarged() {
  local top=$((8 * $2))
  convert "$1" -crop "$((320 * $2))x$((192 * $2))+0+$top" +repage "$1-below.png"
  convert "$3" -crop 320x192+0+8 +repage -scale "$((100 * $2))%" "$1-reference.png"
  pixels_differing "$1-below.png" "$1-reference.png"
}

# $1: QZGFX value. Scale 1, then keys 2 and 3 make the window again at those scales, each a crisp
# enlargement of the first picture; under DirectX, Alt+Enter covers the display with the picture
# at scale 3, centred at (32, 84) on black, and goes back to the window at scale 3.
window_scale() {
  local run="window_scale QZGFX=${1:-unset}" d=$WORK/window_scale-${1:-unset} n
  mkdir -p "$d"
  start_example window_scale "$1"
  wait_for_window "qzgfx window scale" "$APP_PID" || { fail "$run: no window"; return; }
  xdotool mousemove 0 0
  check_window "qzgfx window scale" 320x200 "$run"
  shoot "$d/1.png"
  for scale in 2 3; do
    press "$scale"
    if ! scaled_window "$((320 * scale))x$((200 * scale))"; then
      fail "$run: no window of $((320 * scale)) x $((200 * scale)) after key $scale"
      continue
    fi
    pass "$run: key $scale makes the window $((320 * scale)) x $((200 * scale))"
    shoot "$d/$scale.png"
    n=$(differs_from_enlarged "$d/$scale.png" "$scale" "$d/1.png")
    check "$n == 0" "$run: scale $scale is the picture enlarged $scale times, pixel for pixel ($n differ)"
  done
  [[ "$1" == GDI ]] && keep_shot "$d/1.png" window_scale_1
  [[ "$1" == GDI ]] && keep_shot "$d/2.png" window_scale_2
  if [[ "$1" == DirectX ]]; then
    alt_enter
    if scaled_window 1024x768; then
      pass "$run: Alt+Enter covers the 1024 x 768 display"
      sleep 1
      import -window root "$d/full.png" 2>/dev/null
      # Below the status line, which shows the pointer now that it is over the screen.
      convert "$d/full.png" -crop 960x576+32+108 +repage "$d/full-picture.png"
      convert "$d/3.png" -crop 960x576+0+24 +repage "$d/3-below.png"
      n=$(pixels_differing "$d/full-picture.png" "$d/3-below.png")
      check "$n == 0" "$run: the picture at scale 3 at (32, 84) ($n pixels differ)"
      n=$(convert "$d/full.png" -fill black -draw "rectangle 32,84 991,683" -format "%[fx:int(255*maxima)]" info:)
      check "$n == 0" "$run: black around the picture (brightest value $n)"
      keep_shot "$d/full.png" window_scale_full
      alt_enter
      if scaled_window 960x600; then
        pass "$run: Alt+Enter again goes back to the window at scale 3"
        shoot "$d/back.png"
        n=$(pixels_differing "$d/back.png" "$d/3.png")
        check "$n == 0" "$run: the picture is intact ($n pixels differ)"
      else
        fail "$run: no window of 960 x 600 after the second Alt+Enter"
      fi
    else
      fail "$run: Alt+Enter did not cover the display"
    fi
  fi
  end_with_escape "$run"
}

# With QZGFX=null example $1 runs on a framebuffer without a window: it must start, stay up and
# show no window titled $2; as no key can reach it, it is then stopped.
windowless() {
  local run="$1 QZGFX=null"
  start_example "$1" null
  sleep 4
  if kill -0 "$APP_PID" 2>/dev/null; then pass "$run: runs"; else fail "$run: ended by itself"; fi
  if [[ -z "$(xdotool search --name "$(window_pattern "$2")" 2>/dev/null)" ]]; then pass "$run: no window"; else fail "$run: a window appeared"; fi
  kill "$APP_PID" 2>/dev/null
  wait "$APP_PID" 2>/dev/null
  APP_PID=""
}

# Whether example $1's build holds a display driver named $2.
has_driver() {
  strings -n 3 "$BIN/$1.exe" | grep -x "$2" >/dev/null
}

for driver in GDI DirectX; do
  if ! has_driver palette_cycle "$driver"; then
    echo "skip: no $driver driver in this build, so no full QZGFX=$driver pass;" \
         "checking only that the examples fall back to another driver"
    palette_cycle "$driver" quick
    continue
  fi
  palette_cycle "$driver" full
  text_screen "$driver"
  input_tester "$driver"
  sprites "$driver"
  window_scale "$driver"
done
gl_font ""
gl_font GDI
gl_font DirectX
palette_cycle "" close
palette_cycle OpenGL quick
sprites "" close
windowless palette_cycle "qzgfx palette animation"
windowless text_screen "qzgfx text screen"
windowless input_tester "qzgfx keyboard and mouse tester"
windowless gl_font "qzgfx OpenGL font"
windowless sprites "qzgfx sprites"
windowless window_scale "qzgfx window scale"

echo "screenshots in $WORK"
[[ $FAILURES -eq 0 ]]
