#!/usr/bin/env bash
# Fails when a source file includes from a folder above its own. The folders
# stack as window -> tools -> drawing -> raster, with files and desktop below
# the window; main.cpp, outside them, may include anything. Below the window and
# the desktop, nothing uses widgets or the printer.
set -euo pipefail
src="${1:?usage: check-includes.sh SRC_DIR}"

allowed() {
    case "$1" in
    raster) echo "raster" ;;
    files) echo "files raster" ;;
    drawing) echo "drawing raster" ;;
    tools) echo "tools drawing raster" ;;
    desktop) echo "desktop files raster" ;;
    window) echo "window tools drawing raster files desktop" ;;
    *) return 1 ;;
    esac
}

status=0
for dir in "$src"/*/; do
    folder=$(basename "$dir")
    if ! ok=$(allowed "$folder"); then
        echo "unknown folder src/$folder: give it a place in the layering" >&2
        status=1
        continue
    fi
    while IFS=: read -r file line include; do
        target=$(sed -E 's/^#include "([^/"]+)\/.*/\1/' <<<"$include")
        if [[ " $ok " != *" $target "* ]]; then
            echo "${file#"$src"/}:$line includes upward: $include" >&2
            status=1
        fi
    done < <(grep -Hn '^#include "[^"]*/' "$dir"* || true)
    # Below the window the code draws and reasons without widgets or printers.
    if [[ " raster files drawing tools " == *" $folder "* ]] &&
        grep -Hn -E '^#include <(QtWidgets|QtPrintSupport|QWidget|QApplication|QPrinter|QDialog|QAbstractButton|QLabel|QLineEdit|QComboBox|QFileDialog|QMessageBox)' "$dir"* >&2; then
        echo "src/$folder uses widgets or printing: that belongs to window or desktop" >&2
        status=1
    fi
done
exit $status
