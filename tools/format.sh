#!/usr/bin/env bash
# Checks that every C++ file of the tree is laid out as .clang-format says, or with --fix lays it
# out so. Generated files keep their generator's layout and are left out. Exits non-zero when a
# file is not laid out so (the check) or clang-format is missing.
set -uo pipefail
cd "$(dirname "$0")/.."

FORMAT=${CLANG_FORMAT:-clang-format-16}
GENERATED=(gfx/core/builtin_data_packed.cpp)

if ! command -v "$FORMAT" >/dev/null; then
  echo "$FORMAT is not installed (tools/setup.sh installs it)"
  exit 1
fi

files=()
while IFS= read -r f; do
  [[ " ${GENERATED[*]} " == *" $f "* ]] || files+=("$f")
done < <(git ls-files '*.cpp' '*.h')

if [[ "${1:-}" == --fix ]]; then
  "$FORMAT" -i "${files[@]}"
  exit
fi
if "$FORMAT" --dry-run -Werror "${files[@]}" 2>&1 | head -n 60 | grep .; then
  echo "some files are not laid out as .clang-format says: run tools/format.sh --fix"
  exit 1
fi
echo "${#files[@]} files laid out as .clang-format says"
