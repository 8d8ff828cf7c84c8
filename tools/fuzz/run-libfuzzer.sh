#!/usr/bin/env bash
# Open-ended fuzzing of the file readers with clang's libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer, in a build folder of its
# own. Needs clang (Debian: clang, libclang-rt-dev); the normal build and CI
# do not.
#   tools/fuzz/run-libfuzzer.sh [seconds per target, default 60] [target...]
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
BUILD="${KIV_FUZZ_BUILD_DIR:-$ROOT/build-fuzz}"
SECONDS_PER_TARGET="${1:-60}"
shift || true
TARGETS=("$@")
if ((${#TARGETS[@]} == 0)); then
  TARGETS=(fuzz_tga fuzz_jpeg fuzz_ini fuzz_wad fuzz_packed fuzz_http fuzz_ogg fuzz_solution)
fi
command -v clang++ >/dev/null || { echo "clang++ is not installed" >&2; exit 1; }

SANITIZE="-fsanitize=address,undefined,fuzzer-no-link -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S "$ROOT" -B "$BUILD" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKIV_LIBFUZZER=ON -DKIV_BUILD_TESTS=OFF -DKIV_BUILD_BENCHMARKS=OFF \
  -DCMAKE_CXX_FLAGS="$SANITIZE" -DCMAKE_C_FLAGS="$SANITIZE" -DCMAKE_EXE_LINKER_FLAGS="$SANITIZE" >/dev/null
for target in "${TARGETS[@]}"; do
  cmake --build "$BUILD" -j4 --target "$target" "${target}_driver" >/dev/null
  corpus="$BUILD/corpus/$target"
  mkdir -p "$corpus"
  "$BUILD/tools/fuzz/${target}_driver" --write-seeds "$corpus"
  echo "== $target for ${SECONDS_PER_TARGET}s"
  "$BUILD/tools/fuzz/$target" "$corpus" -max_total_time="$SECONDS_PER_TARGET" -rss_limit_mb=2048 \
    -artifact_prefix="$BUILD/corpus/$target-" -print_final_stats=1 2>&1 | tail -n 12
done
