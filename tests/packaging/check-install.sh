#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks that the desktop program is
# all there and valid: the program, its desktop entry, its AppStream metadata,
# its icons and its manual page. The validators run where they are installed.
#   check-install.sh <build folder> <component id>
set -uo pipefail
build=$1
id=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
status=0
fail() { echo "FALLO: $*" >&2; status=1; }
need() { [[ -s "$prefix/$1" ]] || { fail "falta $1"; return 1; }; }

cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install"

[[ -x "$prefix/bin/garabel" ]] || fail "falta bin/garabel"
"$prefix/bin/garabel" --version | grep -q '^garabel [0-9]' || fail "bin/garabel --version"
# Installed stripped: no symbol table left.
if command -v readelf >/dev/null; then
  readelf -S "$prefix/bin/garabel" | grep -q '\.symtab' && fail "bin/garabel conserva su tabla de símbolos"
fi
need share/doc/garabel/copyright
need share/doc/garabel/changelog.gz

desktop=share/applications/$id.desktop
need "$desktop"
for key in 'Name' 'Name\[es\]' 'Comment' 'Comment\[es\]' 'Icon=garabel'; do
  grep -q "^$key" "$prefix/$desktop" || fail "$desktop sin $key"
done
# One main category, with the additional ones that say what kind of drawing.
grep -qxF 'Categories=Graphics;2DGraphics;RasterGraphics;' "$prefix/$desktop" || fail "$desktop sin sus categorías"
# "Abrir con" offers the program for the pictures it opens, and hands it the file.
for line in 'Exec=garabel %f' 'MimeType=image/bmp;image/jpeg;image/gif;image/png;'; do
  grep -qxF "$line" "$prefix/$desktop" || fail "$desktop sin $line"
done
if command -v desktop-file-validate >/dev/null; then
  # Not even a hint.
  said=$(desktop-file-validate "$prefix/$desktop" 2>&1) || fail "desktop-file-validate $desktop"
  [[ -z $said ]] || fail "desktop-file-validate $desktop: $said"
fi

metainfo=share/metainfo/$id.metainfo.xml
need "$metainfo"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$prefix/$metainfo" || fail "$metainfo sin la licencia"
if command -v appstreamcli >/dev/null; then
  # The tree, so that the metadata is checked against the desktop entry it launches.
  appstreamcli validate-tree --no-net "$prefix" >/dev/null || fail "appstreamcli validate-tree $metainfo"
fi

need share/icons/hicolor/scalable/apps/garabel.svg
for side in 16 22 24 32 48 64 128 256; do
  png=share/icons/hicolor/${side}x${side}/apps/garabel.png
  need "$png" || continue
  # A PNG starts with its signature; width and height follow at bytes 16 to 23.
  header=$(od -An -tx1 -N24 "$prefix/$png" 2>/dev/null | tr -d ' \n')
  printf -v size '%08x%08x' "$side" "$side"
  [[ $header == 89504e470d0a1a0a* && ${header:32:16} == "$size" ]] || fail "$png no es un PNG de $side x $side"
done

page=share/man/man1/garabel.1.gz
need "$page"
gzip -t "$prefix/$page" 2>/dev/null || fail "$page no es gzip"
if command -v groff >/dev/null; then
  warnings=$(zcat "$prefix/$page" | groff -k -man -ww -z -Tutf8 2>&1)
  [[ -z $warnings ]] || fail "$page: $warnings"
fi

exit $status
