#!/usr/bin/env bash
# Fails when a source file includes from a folder above its own. The folders
# stack as window -> tools -> drawing -> raster, with files and desktop below
# the window and common, which every folder may use, below them all; main.cpp,
# outside them, may include anything. An include counts in either form,
# "folder/..." or <folder/...>, when its first element is one of these folders.
#
# Raster's headers in src/raster/ are its public ones; src/raster/internal/
# holds how it works inside. Only raster itself includes an internal header,
# and none of its public headers does, or the inside would leak out through
# them. Of the tests (TESTS_DIR, when given) only raster's own reach inside;
# the benchmarks are not checked, as they may time the inside too.
#
# Below the window and the desktop, nothing uses widgets or the printer.
set -euo pipefail
src="${1:?usage: check-includes.sh SRC_DIR [TESTS_DIR]}"
tests="${2:-}"

folders="common raster files drawing tools window desktop"

allowed() {
    case "$1" in
    common) echo "common" ;;
    raster) echo "raster common" ;;
    files) echo "files raster common" ;;
    drawing) echo "drawing raster common" ;;
    tools) echo "tools drawing raster common" ;;
    desktop) echo "desktop files raster common" ;;
    window) echo "window tools drawing raster files desktop common" ;;
    *) return 1 ;;
    esac
}

# "file:line:#include ..." for every include of one of the folders, in the
# sources under the paths given.
includes() {
    grep -rHn -E --include='*.cpp' --include='*.h' \
        "^[[:space:]]*#[[:space:]]*include[[:space:]]*[<\"](${folders// /|})/" "$@" || true
}

# The path an include line names: raster/Surface.h.
includedPath() {
    sed -E 's/^[^<"]*[<"]([^>"]*)[>"].*/\1/' <<<"$1"
}

status=0
fail() {
    echo "$1" >&2
    status=1
}

for dir in "$src"/*/; do
    folder=$(basename "$dir")
    if ! ok=$(allowed "$folder"); then
        fail "unknown folder src/$folder: give it a place in the layering"
        continue
    fi
    while IFS=: read -r file line include; do
        path=$(includedPath "$include")
        if [[ " $ok " != *" ${path%%/*} "* ]]; then
            fail "${file#"$src"/}:$line includes upward: $include"
        elif [[ $path == raster/internal/* && $folder != raster ]]; then
            fail "${file#"$src"/}:$line includes raster's inside: $include"
        fi
    done < <(includes "$dir")
    # Below the window the code draws and reasons without widgets or printers.
    if [[ " common raster files drawing tools " == *" $folder "* ]] &&
        grep -rHn -E '^#include <(QtWidgets|QtPrintSupport|QWidget|QApplication|QPrinter|QDialog|QAbstractButton|QLabel|QLineEdit|QComboBox|QFileDialog|QMessageBox)' "$dir" >&2; then
        fail "src/$folder uses widgets or printing: that belongs to window or desktop"
    fi
done

while IFS=: read -r file line include; do
    fail "${file#"$src"/}:$line is a public header of raster but includes its inside: $include"
done < <(includes "$src"/raster/*.h | grep 'raster/internal/' || true)

if [[ -n $tests ]]; then
    while IFS=: read -r file line include; do
        [[ ${file#"$tests"/} == raster/* ]] && continue
        fail "tests/${file#"$tests"/}:$line includes raster's inside: $include"
    done < <(includes "$tests" | grep 'raster/internal/' || true)
fi
exit $status
