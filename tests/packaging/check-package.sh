#!/usr/bin/env bash
# Builds the Debian package of the build into a temporary folder and checks it:
# its licence files and changelog, its dependency on Qt's Spanish texts, that
# making it builds nothing else, and, where lintian is installed, that lintian
# reports no error, finds the program hardened and every override still used.
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

# The package builds the program and what goes with it, not the tests and
# benchmarks: a dry run of its target names no test program.
if [[ -f $build/Makefile ]]; then
  make -C "$build" -n package 2>/dev/null | grep -q 'garabel_tests\|garabel_bench' &&
    fail "make package construye también las pruebas"
fi

if command -v lintian >/dev/null; then
  # Every tag, down to the pedantic and informational ones, is shown.
  report=$(lintian --pedantic -I "$deb" 2>&1 | grep -v 'running with root privileges')
  [[ -n $report ]] && echo "$report"
  grep -q '^E: ' <<<"$report" && fail "lintian encuentra errores"
  grep -q 'hardening-' <<<"$report" &&
    fail "el programa no lleva las protecciones de Debian (dpkg-buildflags)"
  # The package's overrides each still name something lintian finds.
  grep -qE ' (unused|mismatched|malformed)-override' <<<"$report" &&
    fail "el paquete lleva una excepción de lintian sin uso o mal escrita"
else
  echo "lintian no está instalado: el paquete no se ha revisado con él"
fi
exit $status
