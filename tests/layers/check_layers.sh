#!/usr/bin/env bash
# Checks that the source folders depend one way:
#   demo, examples -> gfx/drivers, gfx/win32 -> gfx/draw -> gfx/text, gfx/input, gfx/blit,
#   gfx/image -> gfx/core -> rt (the demo's texture readers also use gfx/image's decoders)
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
forbid gfx/core gfx/draw gfx/image gfx/text gfx/input gfx/blit gfx/win32 gfx/drivers demo examples
forbid gfx/draw gfx/input gfx/blit gfx/win32 gfx/drivers demo examples
forbid gfx/image gfx/draw gfx/text gfx/input gfx/blit gfx/win32 gfx/drivers demo examples
forbid gfx/text gfx/draw gfx/image gfx/win32 gfx/drivers demo examples
forbid gfx/input gfx/draw gfx/image gfx/win32 gfx/drivers demo examples
forbid gfx/blit gfx/draw gfx/image gfx/win32 gfx/drivers demo examples
forbid gfx/win32 demo examples
forbid gfx/drivers demo examples
# The examples use the public header qzgfx.h, never the library's own headers.
forbid examples gfx rt
# The demo likewise, but for its two texture readers, which decode through the library's BMP and
# TGA decoders so that one copy of them serves both.
demo_hits=$(grep -rnE '#include "(gfx|rt)/' demo --include='*.cpp' --include='*.h' |
  grep -vE '^demo/texture_read_(bmp|tga)\.cpp:[0-9]+:#include "gfx/image/(bmp|tga)_decode\.h"' || true)
if [[ -n "$demo_hits" ]]; then
  echo "demo reaches past qzgfx.h:"
  echo "$demo_hits"
  bad=1
fi

((bad == 0)) && echo "every folder includes only the folders below it"
exit "$bad"
