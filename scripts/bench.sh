#!/usr/bin/env bash
# Runs the benchmarks of a build: bash scripts/bench.sh <builddir> [benchmark flags].
# The figure lines "<figure> <value>" (time / one memcpy, see bench/Ratio.h) come last.
set -euo pipefail
build="${1:-build}"
shift || true
exe="$build/bench/garabel_bench"
if [[ ! -x "$exe" ]]; then
    echo "bench.sh: $exe not found; build with GARABEL_BENCH=ON first" >&2
    exit 1
fi
# Qt's start-up notes go to stderr first; keep them apart from the figures.
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" "$exe" "$@" 2>&1
