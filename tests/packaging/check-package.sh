#!/usr/bin/env bash
# Builds the Debian package of the build into a temporary folder and checks it:
# its licence files and changelog, its dependency on Qt's Spanish texts, and,
# where lintian is installed, that lintian reports no error.
#   check-package.sh <build folder>
set -uo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
status=0
fail() { echo "FALLO: $*" >&2; status=1; }

cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 || { cat "$out/cpack.log" >&2; fail "cpack"; exit 1; }
deb=$(ls "$out"/*.deb 2>/dev/null | head -n 1)
[[ -n $deb ]] || { fail "cpack no ha hecho ningún .deb"; exit 1; }

contents=$(dpkg-deb -c "$deb")
for file in usr/share/doc/garabel/copyright usr/share/doc/garabel/changelog.gz usr/bin/garabel; do
  grep -q " \./$file\$" <<<"$contents" || fail "el paquete no tiene /$file"
done
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/garabel/copyright | head -n 1 |
  grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fail "copyright no sigue el formato legible por máquina"
dpkg-deb -f "$deb" Depends | grep -q 'qt6-translations-l10n' || fail "no depende de qt6-translations-l10n"

if command -v lintian >/dev/null; then
  report=$(lintian "$deb" 2>&1 | grep -v 'running with root privileges')
  [[ -n $report ]] && echo "$report"
  grep -q '^E: ' <<<"$report" && fail "lintian encuentra errores"
else
  echo "lintian no está instalado: el paquete no se ha revisado con él"
fi
exit $status
