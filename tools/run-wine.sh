#!/usr/bin/env bash
# Runs one Windows program under Wine, quietly, in the prefix the caller chose (WINEPREFIX).
# Used as the cross-compiling emulator, so ctest runs Windows test programs through it.
set -u
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEPREFIX="${WINEPREFIX:-${HOME}/.qzgfx-wine}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
mkdir -p "$WINEPREFIX"
wineserver -p >/dev/null 2>&1 || true
exec wine "$@"
