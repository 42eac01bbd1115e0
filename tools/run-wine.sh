#!/usr/bin/env bash
# Runs one Windows program under Wine, quietly, in the prefix the caller chose (WINEPREFIX).
# Used as the cross-compiling emulator, so ctest runs Windows test programs through it. A Wine
# server already kept alive for the prefix (wineserver -p) is reused; otherwise wine starts one.
set -u
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEPREFIX="${WINEPREFIX:-${HOME}/.qzgfx-wine}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
mkdir -p "$WINEPREFIX"
exec wine "$@"
