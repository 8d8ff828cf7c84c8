#!/usr/bin/env bash
# Sets everything up on a fresh Debian 12 machine and runs every test under a
# virtual X server (SDL 1.2 needs a real display, so Xvfb is started here).
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${KIV_BUILD_DIR:-$ROOT/build}"
bash "$ROOT/scripts/setup.sh"

display=99
while [ -e "/tmp/.X${display}-lock" ] || [ -e "/tmp/.X11-unix/X${display}" ]; do
  display=$((display + 1))
done
# -noreset: otherwise the server resets whenever its last client leaves, and
# a test that connects during the reset cannot open the display.
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
XVFB_PID=$!
trap 'kill "$XVFB_PID" 2>/dev/null || true' EXIT
for _ in $(seq 1 50); do
  [ -e "/tmp/.X11-unix/X${display}" ] && break
  sleep 0.1
done

export DISPLAY=":$display"
export SDL_AUDIODRIVER=dummy
export XDG_DATA_HOME="$BUILD/test-home"
unset U3_APP_DATA_PATH
mkdir -p "$XDG_DATA_HOME"

cd "$BUILD"
ctest --output-on-failure -j"$(nproc)"
