#!/usr/bin/env bash
# Installs the Debian packages that building and testing need, only those that are missing, so a
# second run costs seconds. Where the kernel starts 32-bit programs it also adds the i386
# architecture and installs 32-bit Wine and OpenGL, so the 32-bit Windows programs run; a failure
# there is reported and never fails the rest. Needs root (or sudo) only when something is missing.
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(
  cmake g++ make git python3               # the native tool chain and the source checks
  g++-multilib qemu-user                   # 32-bit x86 builds, and running them where the kernel cannot
  googletest libgtest-dev                  # GoogleTest sources, built by every preset
  libbenchmark-dev                         # the benchmarks
  g++-mingw-w64-x86-64 g++-mingw-w64-i686  # the Windows cross compilers
  clang lld                                # the second Windows compiler (win64-clang) and its linker
  wine wine64                              # running the Windows programs
  xvfb xauth x11-utils xdotool imagemagick # a virtual display, its checks, keys and screenshots
  libsdl2-dev libsdl2-gfx-dev              # the benchmarks' peers
  liballegro4-dev                          # the drawing benchmark's other peer
  kbd console-data                         # the console fonts the glyph converter reads
  libclang-rt-14-dev                       # the fuzz targets (libFuzzer, sanitizers)
  clang-format-16                          # the layout check of the C++ files (tools/format.sh)
)
# 32-bit Wine and the 32-bit OpenGL it draws with, for the win32 preset's programs.
PACKAGES_32=(wine32:i386 libgl1:i386 libgl1-mesa-dri:i386 libglx-mesa0:i386 libglu1-mesa:i386)

SUDO=()
if [[ $(id -u) -ne 0 ]]; then
  SUDO=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive

# Prints those of the packages named as arguments that are not installed.
missing_of() {
  local p status
  for p in "$@"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    if [[ "$status" != "install ok installed" ]]; then
      echo "$p"
    fi
  done
}

# Installs the packages named as arguments, after refreshing the package lists.
install_packages() {
  "${SUDO[@]}" apt-get update -q
  "${SUDO[@]}" apt-get install -y -q --no-install-recommends "$@"
}

mapfile -t missing < <(missing_of "${PACKAGES[@]}")
if ((${#missing[@]} == 0)); then
  echo "setup: all ${#PACKAGES[@]} packages present"
else
  echo "setup: installing ${missing[*]}"
  install_packages "${missing[@]}"
fi

# Adds the i386 architecture and installs the 32-bit packages where 32-bit programs start.
setup_32() {
  local reason
  if ! reason=$(bash tools/probe-32bit.sh); then
    echo "setup: no 32-bit Wine: $reason"
    return 0
  fi
  mapfile -t missing < <(missing_of "${PACKAGES_32[@]}")
  if ((${#missing[@]} == 0)); then
    echo "setup: all ${#PACKAGES_32[@]} 32-bit packages present"
    return 0
  fi
  echo "setup: installing ${missing[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${SUDO[@]}" dpkg --add-architecture i386 || return 1
  fi
  install_packages "${missing[@]}"
}
if ! setup_32; then
  echo "setup: the 32-bit packages could not be installed; the win32 tests are skipped"
fi
