#!/usr/bin/env bash
# Checks that the source folders depend one way:
#   demo, examples -> gfx/drivers, gfx/win32 -> gfx/text, gfx/input, gfx/blit -> gfx/core -> rt
# with the images beside text, input and blit: gfx/image -> gfx/core, and the demo's texture
# readers and the drawing operations that take images use gfx/image
# by the project headers each folder's files include. Prints every include that reaches up and
# exits non-zero when there is one.
set -uo pipefail
cd "$(dirname "$0")/../.."

bad=0

# Reports the includes in files under FOLDER of headers under any of the folders that follow.
forbid() {
  local folder=$1
  shift
  local pattern
  pattern=$(printf '|%s/' "$@")
  pattern="#include \"(${pattern:1})"
  local hits
  hits=$(grep -rnE "$pattern" "$folder" --include='*.cpp' --include='*.h' || true)
  if [[ -n "$hits" ]]; then
    echo "$folder reaches up:"
    echo "$hits"
    bad=1
  fi
}

forbid rt gfx demo examples
forbid gfx/core gfx/text gfx/input gfx/blit gfx/image gfx/win32 gfx/drivers demo examples
forbid gfx/image gfx/text gfx/input gfx/blit gfx/draw gfx/win32 gfx/drivers demo examples
forbid gfx/text gfx/win32 gfx/drivers demo examples
forbid gfx/input gfx/win32 gfx/drivers demo examples
forbid gfx/blit gfx/win32 gfx/drivers demo examples
forbid gfx/win32 demo examples
forbid gfx/drivers demo examples
# The examples use the public header qzgfx.h, never the library's own headers.
forbid examples gfx rt

((bad == 0)) && echo "every folder includes only the folders below it"
exit "$bad"
