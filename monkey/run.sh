#!/usr/bin/env bash
# Runs the monkey on a virtual X screen:
# bash monkey/run.sh <builddir> <seed> <events> [--verbose: every event as it runs].
# It fails (non-zero) on a crash, a sanitizer report or a window that stops answering.
set -euo pipefail
build="${1:-build}"
seed="${2:-$(date +%s)}"
events="${3:-3000}"
exe="$build/monkey/garabel_monkey"
if [[ ! -x "$exe" ]]; then
    echo "run.sh: $exe not found; build the garabel_monkey target first" >&2
    exit 1
fi
# Qt's dialogs remember folders and colours in the user's settings: not this run's.
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
export XDG_CONFIG_HOME="$config"
export QT_QPA_PLATFORM=xcb
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$(cd "$(dirname "$0")" && pwd)/lsan.supp:print_suppressions=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}"
xvfb-run -a -s "-screen 0 1280x800x24" "$exe" --seed "$seed" --events "$events" "${@:4}"
