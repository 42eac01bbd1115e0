#!/usr/bin/env bash
# Fails when a committed generated file differs from what its generator makes now: the demo's
# images and the sprites example's sheet (imagegen), the font's sheet and metrics (fontsheet) and
# the packed built-in data (fontgen, through gen-builtin-data.sh). Regenerate with the same
# commands, writing into the tree.
#
# Usage: check-generated.sh IMAGEGEN FONTSHEET FONTGEN
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0

# Compares the fresh file $1 with the committed file $2 (relative to the root).
same() {
  if cmp -s "$1" "$root/$2"; then
    echo "ok: $2"
  else
    echo "DRIFT: $2 differs from what its generator makes now"
    failures=$((failures + 1))
  fi
}

mkdir -p "$tmp/images" "$tmp/font"
"$1" "$tmp/images" || { echo "imagegen failed"; exit 1; }
same "$tmp/images/brick.tga" resources/examples/brick.tga
same "$tmp/images/light.tga" resources/examples/light.tga
same "$tmp/images/sprites.bmp" resources/examples/sprites.bmp
"$2" "$tmp/font" || { echo "fontsheet failed"; exit 1; }
same "$tmp/font/font.tga" resources/font/font.tga
same "$tmp/font/font.metrics" resources/font/font.metrics
FONTGEN=$3 sh "$root/tools/gen-builtin-data.sh" "$tmp/builtin_data_packed.cpp" || { echo "fontgen failed"; exit 1; }
same "$tmp/builtin_data_packed.cpp" gfx/core/builtin_data_packed.cpp
((failures == 0))
