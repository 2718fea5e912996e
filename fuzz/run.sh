#!/usr/bin/env bash
# Builds the picture-file fuzzer with clang in its own build folder and runs it
# for a given time: fuzz/run.sh BUILD_FOLDER SECONDS. Without clang it says so
# and does nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${1:-build-fuzz}
RUN_SECONDS=${2:-60}
CLANG=$(command -v clang++ || command -v clang++-14 || true)
if [[ -z "$CLANG" ]]; then
  echo "clang++ not found: the fuzzer is not built (install clang and libclang-rt-14-dev)" >&2
  exit 0
fi
cmake -S fuzz -B "$BUILD_DIR" -DCMAKE_CXX_COMPILER="$CLANG" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD_DIR" -j "${JOBS:-2}"
mkdir -p "$BUILD_DIR/seeds" "$BUILD_DIR/corpus"
QT_QPA_PLATFORM=offscreen "$BUILD_DIR/make_seeds" "$BUILD_DIR/seeds"
# Qt keeps its plugins loaded to the end: that is no leak worth a failure.
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='qt.gui.imageio*=false' \
  "$BUILD_DIR/picture_fuzzer" -max_total_time="$RUN_SECONDS" -max_len=65536 -timeout=60 \
  -artifact_prefix="$BUILD_DIR/" "$BUILD_DIR/corpus" "$BUILD_DIR/seeds"
