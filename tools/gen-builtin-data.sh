#!/bin/sh
# Regenerates gfx/core/builtin_data_packed.cpp, the packed built-in fonts and palettes.
#
# Usage: tools/gen-builtin-data.sh [OUTPUT.cpp]
#
# Needs the distribution's Linux console fonts (packages kbd and console-data, read from
# /usr/share/kbd/consolefonts or /usr/share/consolefonts) and a host C++ compiler with CMake.
# The fonts are decompressed into a temporary directory and handed to tools/fontgen, which picks
# the code page 437 glyphs through each font's Unicode table, adds the palettes and packs the lot.
# Set FONTGEN to an already built fontgen to skip building it (in build/fontgen).
#
# Sources: 8x8 and 8x14 come from the code page 865 fonts (which carry no Unicode table, so
# tools/fontgen/cp865.sfm gives theirs) with the three characters they lack from lat1-08 and
# lat1-14; 8x16 is default8x16.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
output=${1:-"$root/gfx/core/builtin_data_packed.cpp"}

fontdir=""
for dir in /usr/share/kbd/consolefonts /usr/share/consolefonts; do
    if [ -f "$dir/default8x16.psf.gz" ] && [ -f "$dir/cp865-8x8.psf.gz" ]; then
        fontdir=$dir
        break
    fi
done
if [ -z "$fontdir" ]; then
    echo "gen-builtin-data: console fonts not found; install kbd and console-data" >&2
    exit 1
fi

if [ -z "${FONTGEN:-}" ]; then
    cmake -S "$root" -B "$root/build/fontgen" -DQZ_BUILD_TESTS=OFF >/dev/null
    cmake --build "$root/build/fontgen" --target fontgen -j2 >/dev/null
    FONTGEN="$root/build/fontgen/tools/fontgen"
fi

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT INT TERM
for font in cp865-8x8 lat1-08 cp865-8x14 lat1-14 default8x16; do
    gzip -dc "$fontdir/$font.psf.gz" >"$tmp/$font.psf"
done

map="$root/tools/fontgen/cp865.sfm"
"$FONTGEN" "$output" \
    "$tmp/cp865-8x8.psf=$map,$tmp/lat1-08.psf" \
    "$tmp/cp865-8x14.psf=$map,$tmp/lat1-14.psf" \
    "$tmp/default8x16.psf"
