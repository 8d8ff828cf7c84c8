#!/usr/bin/env bash
# Sets everything up on a fresh Debian 12 machine and runs every test under a
# virtual X server (SDL 1.2 needs a real display, so Xvfb is started here).
#   scripts/test.sh             the normal build (build/)
#   scripts/test.sh --sanitize  built with AddressSanitizer and
#                               UndefinedBehaviorSanitizer (build-sanitize/),
#                               every test run with leak detection on
#   scripts/test.sh --rewrite-replays
#                               the normal build; only the replays run, and
#                               they write their records afresh
#                               (tests/top/replay/records) instead of
#                               comparing with them
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${KIV_BUILD_DIR:-$ROOT/build}"
CTEST_OPTIONS=()
if [ "${1:-}" = "--sanitize" ]; then
  BUILD="${KIV_SANITIZE_BUILD_DIR:-$ROOT/build-sanitize}"
  # A test that fails is run once more: the leak check's own helper has been
  # seen to crash at exit, very rarely and only on a heavily loaded machine.
  # A leak, an overflow or undefined behaviour fails both runs.
  CTEST_OPTIONS=(--repeat until-pass:2)
  bash "$ROOT/scripts/setup.sh" --sanitize
  # Leaks inside the X and OpenGL libraries are theirs to mend, not ours:
  # scripts/lsan.supp names those libraries and nothing of this project.
  # The leak check does not follow the thread-local storage of libraries
  # loaded at run time (the GL driver): its record of that storage goes
  # stale once the driver is unloaded, and reading it crashed the check at
  # exit in some builds, depending on their memory layout.
  export ASAN_OPTIONS="detect_leaks=1:intercept_tls_get_addr=0"
  # Quoted: the sanitizers split their options at spaces too, and the
  # checkout's path may hold one.
  export LSAN_OPTIONS="suppressions='$ROOT/scripts/lsan.supp':print_suppressions=0"
  export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
  # Mesa's software renderer draws on the calling thread and keeps no shader
  # cache thread: fewer threads for the leak check to stop at exit, and none
  # competing with the tests that run beside it.
  export LP_NUM_THREADS=0
  export MESA_SHADER_CACHE_DISABLE=true
elif [ "${1:-}" = "--rewrite-replays" ]; then
  export KIV_REWRITE_REPLAYS=1
  CTEST_OPTIONS=(-L replay)
  bash "$ROOT/scripts/setup.sh"
else
  bash "$ROOT/scripts/setup.sh"
fi

display=99
while [ -e "/tmp/.X${display}-lock" ] || [ -e "/tmp/.X11-unix/X${display}" ]; do
  display=$((display + 1))
done
# -noreset: otherwise the server resets whenever its last client leaves, and
# a test that connects during the reset cannot open the display.
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
XVFB_PID=$!
# Ended as a session ends its server (SIGTERM), and waited for: it removes
# its socket and lock before the script returns.
trap 'kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null || true' EXIT
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
ctest --output-on-failure -j"$(nproc)" "${CTEST_OPTIONS[@]}"
