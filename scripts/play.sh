#!/usr/bin/env bash
# Sets everything up on a fresh Debian 12 machine and starts the game.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${KIV_BUILD_DIR:-$ROOT/build}"
bash "$ROOT/scripts/setup.sh"
mkdir -p "$BUILD/data"
cd "$BUILD/data"
exec "$BUILD/glimmerdale" "$@"
