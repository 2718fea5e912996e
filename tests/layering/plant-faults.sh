#!/usr/bin/env bash
# The layering checks must catch what they are for: plants each kind of fault
# in turn in a small scratch tree that passes both checks, and fails unless
# the checks then fail, naming the planted file.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# A tree whose includes all point the right way.
sources() {
    rm -rf "$scratch/src" "$scratch/tests"
    mkdir -p "$scratch"/src/{common,raster/internal,files,drawing,tools,window,desktop} "$scratch"/tests/{raster,drawing}
    echo '#include <QString>' >"$scratch/src/common/Result.h"
    echo '#include "common/Result.h"' >"$scratch/src/raster/Surface.h"
    echo '#include "raster/Surface.h"' >"$scratch/src/raster/internal/Spans.h"
    printf '#include "raster/internal/Spans.h"\n#include <raster/Surface.h>\n' >"$scratch/src/raster/Surface.cpp"
    echo '#include <common/Result.h>' >"$scratch/src/files/Picture.h"
    echo '#include "raster/Surface.h"' >"$scratch/src/drawing/Shapes.cpp"
    echo '#include "drawing/Shapes.h"' >"$scratch/src/tools/Tool.cpp"
    echo '#include "files/Picture.h"' >"$scratch/src/desktop/View.cpp"
    printf '#include <tools/Tool.h>\n#include "desktop/View.h"\n#include <QWidget>\n' >"$scratch/src/window/Window.cpp"
    echo '#include "window/Window.h"' >"$scratch/src/main.cpp"
    echo '#include "raster/internal/Spans.h"' >"$scratch/tests/raster/SpansTest.cpp"
    echo '#include "drawing/Shapes.h"' >"$scratch/tests/drawing/ShapesTest.cpp"
}

checks() {
    bash "$here/check-includes.sh" "$scratch/src" "$scratch/tests" 2>&1 &&
        bash "$here/check-file-lengths.sh" "$scratch/src" 2>&1
}

sources
if ! out=$(checks); then
    echo "the checks fail on a sound tree: $out" >&2
    exit 1
fi

status=0
# Appends the line to the file, runs the checks and expects them to name the file.
plant() {
    sources
    echo "$2" >>"$scratch/$1"
    if out=$(checks); then
        echo "not caught: '${2%%$'\n'*}' in $1" >&2
        status=1
    elif [[ $out != *"$(basename "$1")"* ]]; then
        echo "caught '${2%%$'\n'*}' in $1 but did not name it: $out" >&2
        status=1
    fi
}

plant src/raster/Surface.cpp '#include <window/Window.h>'
plant src/raster/Surface.h ' #  include "drawing/Shapes.h"'
plant src/common/Result.h '#include "raster/Surface.h"'
plant src/files/Picture.h '#include <desktop/View.h>'
plant src/drawing/Shapes.cpp '#include "raster/internal/Spans.h"'
plant src/raster/Surface.h '#include "raster/internal/Spans.h"'
plant tests/drawing/ShapesTest.cpp '#include <raster/internal/Spans.h>'
plant src/tools/Tool.cpp '#include <QWidget>'
plant src/files/Picture.h "$(printf '//\n%.0s' {1..300})"
exit $status
