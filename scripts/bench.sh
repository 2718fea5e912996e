#!/usr/bin/env bash
# Runs the benchmarks of a build: bash scripts/bench.sh <builddir> [benchmark flags].
# The figure lines "<figure> <value>" (see bench/Ratio.h) come last: each the median
# of the rounds main.cpp runs (GARABEL_BENCH_ROUNDS, 5 unless set).
set -euo pipefail
build="${1:-build}"
shift || true
exe="$build/bench/garabel_bench"
if [[ ! -x "$exe" ]]; then
    echo "bench.sh: $exe not found; build with GARABEL_BENCH=ON first" >&2
    exit 1
fi
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
out=$(mktemp)
trap 'rm -f "$out"' EXIT
if [[ $# -gt 0 ]]; then
    "$exe" "$@" 2>&1 | tee "$out"
else
    # The start-up memory is measured in a process of its own: the other
    # benchmarks leave memory behind that would blur it.
    "$exe" --benchmark_filter='^startup_memory_4k' 2>&1 | tee "$out"
    "$exe" --benchmark_filter='-^startup_memory_4k' 2>&1 | tee -a "$out"
fi
echo
echo "Figures:"
grep -E '^[a-z0-9_]+ [-+0-9.eE]+$' "$out" | sort
