#!/usr/bin/env bash
# Renews the README's screenshots of the examples (resources/examples-shots/) by running the
# examples' end-to-end test on a built win64 tree; the pictures are only kept when every check
# passes. Usage: tools/shoot-examples.sh
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$ROOT/build/win64
export WINEPREFIX=${WINEPREFIX:-$ROOT/build/wineprefix}
WORK=$BUILD/shoot-examples
bash "$ROOT/tests/e2e/examples_e2e.sh" "$BUILD/examples" "$ROOT" "$WORK" "$WORK/shots"
mkdir -p "$ROOT/resources/examples-shots"
cp "$WORK"/shots/*.png "$ROOT/resources/examples-shots/"
echo "screenshots renewed in resources/examples-shots/"
