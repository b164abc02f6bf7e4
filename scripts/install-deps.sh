#!/usr/bin/env bash
# Installs the Debian packages Kestrova needs to build, run and test.
# Quick and silent when everything is already there; uses apt-get otherwise.
set -euo pipefail

packages=(
  g++ make cmake ninja-build pkg-config lld
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6
  libqcustomplot-dev libqcustomplot2.1-qt6 qt6-charts-dev libqt6opengl6-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libgl-dev
  fonts-liberation
  libgsl-dev libzip-dev
  libgtest-dev libgmock-dev libbenchmark-dev libboost-dev
  locales-all
  xvfb xauth
  desktop-file-utils appstream
  shared-mime-info xdg-utils libglib2.0-bin
  dpkg-dev lintian
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null 2>&1; then
  sudo=(sudo)
else
  echo "Packages missing and neither root nor sudo available: ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
