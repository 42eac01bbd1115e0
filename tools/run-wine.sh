#!/usr/bin/env bash
# Runs one Windows program under Wine, quietly, in the prefix the caller chose (WINEPREFIX), else
# the one the Windows builds share. Used as the cross-compiling emulator, so ctest runs Windows
# test programs through it. A Wine server already kept alive for the prefix (wineserver -p) is
# reused; otherwise wine starts one.
set -u
source "$(dirname "$0")/wine_env.sh"
wine_env
exec wine "$@"
