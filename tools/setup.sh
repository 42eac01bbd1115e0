#!/usr/bin/env bash
# Installs the Debian packages that building and testing need, only those that are missing, so a
# second run costs seconds. Needs root (or sudo) only when something is missing.
set -euo pipefail

PACKAGES=(
  cmake g++ make git                       # the native tool chain
  g++-multilib qemu-user                   # 32-bit x86 builds, and running them where the kernel cannot
  googletest libgtest-dev                  # GoogleTest sources, built by every preset
  libbenchmark-dev                         # the benchmarks
  g++-mingw-w64-x86-64 g++-mingw-w64-i686  # the Windows cross compilers
  wine wine64                              # running the Windows programs
  xvfb xauth x11-utils xdotool imagemagick # a virtual display, its checks, keys and screenshots
  libsdl2-dev libsdl2-gfx-dev              # the benchmarks' peers
  liballegro4-dev                          # the drawing benchmark's other peer
  kbd console-data                         # the console fonts the glyph converter reads
  clang libclang-rt-14-dev                 # the fuzz targets (libFuzzer, sanitizers)
)

missing=()
for p in "${PACKAGES[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  if [[ "$status" != "install ok installed" ]]; then
    missing+=("$p")
  fi
done

if ((${#missing[@]} == 0)); then
  echo "setup: all ${#PACKAGES[@]} packages present"
  exit 0
fi

echo "setup: installing ${missing[*]}"
SUDO=()
if [[ $(id -u) -ne 0 ]]; then
  SUDO=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${SUDO[@]}" apt-get update -q
"${SUDO[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
