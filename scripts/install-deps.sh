#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running Garabel need.
# Uses sudo only when not root; prints the list where there is no apt.
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-svg-dev qt6-translations-l10n libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation2 fonts-dejavu-core
  xvfb xauth ccache dbus-daemon
  desktop-file-utils appstream dpkg-dev lintian
  clang libclang-rt-14-dev
)

missing=()
if command -v dpkg-query >/dev/null 2>&1; then
  for p in "${PACKAGES[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
  done
else
  missing=("${PACKAGES[@]}")
fi

[[ ${#missing[@]} -eq 0 ]] && exit 0

if ! command -v apt-get >/dev/null 2>&1; then
  echo "No apt-get here. Please install the equivalents of these Debian packages:" >&2
  printf '  %s\n' "${missing[@]}" >&2
  exit 1
fi

SUDO=()
[[ $(id -u) -ne 0 ]] && SUDO=(sudo)
echo "Installing: ${missing[*]}"
"${SUDO[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${SUDO[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
