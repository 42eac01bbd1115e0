#!/usr/bin/env bash
# Checks that the source folders depend one way:
#   demo, examples -> gfx/drivers, gfx/win32 -> gfx/draw -> gfx/text, gfx/input, gfx/blit,
#   gfx/image -> gfx/core -> rt
# by the project headers each folder's files include, in quotes or angle brackets; demo and
# examples reach the library through its public header qzgfx.h alone. Prints every include that
# reaches up and exits non-zero when there is one.
set -uo pipefail
cd "$(dirname "$0")/../.."

bad=0

# Reports the includes in files under FOLDER of headers under any of the folders that follow.
forbid() {
  local folder=$1
  shift
  local pattern
  pattern=$(printf '|%s/' "$@")
  pattern="#include [\"<](${pattern:1})"
  local hits
  hits=$(grep -rnE "$pattern" "$folder" --include='*.cpp' --include='*.h' || true)
  if [[ -n "$hits" ]]; then
    echo "$folder reaches up:"
    echo "$hits"
    bad=1
  fi
}

forbid rt gfx demo examples
forbid gfx/core gfx/draw gfx/image gfx/text gfx/input gfx/blit gfx/win32 gfx/drivers demo examples
forbid gfx/draw gfx/input gfx/blit gfx/win32 gfx/drivers demo examples
forbid gfx/image gfx/draw gfx/text gfx/input gfx/blit gfx/win32 gfx/drivers demo examples
forbid gfx/text gfx/draw gfx/image gfx/win32 gfx/drivers demo examples
forbid gfx/input gfx/draw gfx/image gfx/win32 gfx/drivers demo examples
forbid gfx/blit gfx/draw gfx/image gfx/win32 gfx/drivers demo examples
forbid gfx/win32 demo examples
forbid gfx/drivers demo examples
# The demo and the examples are programs of the library like any user's: they use its public
# header qzgfx.h, never the library's own headers.
forbid examples gfx rt
forbid demo gfx rt

((bad == 0)) && echo "every folder includes only the folders below it"
exit "$bad"
