#!/usr/bin/env bash
# Fails when a source file under SRC_DIR runs over the longest a file may be
# (300 lines unless told): past that a file holds more than one concern and is
# to be split by concern.
set -euo pipefail
src="${1:?usage: check-file-lengths.sh SRC_DIR [MAX_LINES]}"
max="${2:-300}"

status=0
while IFS= read -r -d '' file; do
    lines=$(wc -l <"$file")
    if ((lines > max)); then
        echo "${file#"$src"/} has $lines lines, more than $max: split it by concern" >&2
        status=1
    fi
done < <(find "$src" -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)
exit $status
