#!/usr/bin/env bash
# Installs the Debian packages the game needs, then configures and builds it
# with warnings as errors (the build also generates the game's data into
# build/data).
#   scripts/setup.sh             the normal build, in build/
#   scripts/setup.sh --sanitize  AddressSanitizer and UndefinedBehaviorSanitizer,
#                                without the benchmarks, in build-sanitize/
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${KIV_BUILD_DIR:-$ROOT/build}"
CMAKE_OPTIONS=()
if [ "${1:-}" = "--sanitize" ]; then
  BUILD="${KIV_SANITIZE_BUILD_DIR:-$ROOT/build-sanitize}"
  CMAKE_OPTIONS=(-DKIV_SANITIZE=ON -DKIV_BUILD_BENCHMARKS=OFF)
fi

PACKAGES=(
  build-essential cmake pkg-config
  libsdl1.2-dev libx11-dev libxfixes-dev libgl-dev libgl1-mesa-dri
  libvorbis-dev libogg-dev libjpeg62-turbo-dev zlib1g-dev
  libcairo2-dev libfreetype-dev fonts-dejavu-core libebur128-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xdg-utils
)

missing=()
for package in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
    missing+=("$package")
  fi
done
if ((${#missing[@]})); then
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y "${missing[@]}"
fi

# A warning in the project's own code fails the build (the libraries'
# headers are system headers, whose warnings the compiler keeps quiet).
cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKIV_WARNINGS_AS_ERRORS=ON "${CMAKE_OPTIONS[@]}"
cmake --build "$BUILD" -j"$(nproc)"
