#!/usr/bin/env bash
# Installs every Debian package Kyvelo needs to build, test and run, and the packages named as
# arguments (scripts/package.sh asks for lintian). Safe to run again: it asks apt only for what is
# missing.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev libgl-dev qt6-charts-dev qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xdotool x11-utils x11-apps imagemagick
  at-spi2-core python3-pyatspi dbus
  fonts-liberation fonts-dejavu-core
  librsvg2-bin desktop-file-utils appstream dpkg-dev
  clang libclang-rt-14-dev llvm
  "$@"
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

cmd=(apt-get install -y --no-install-recommends "${missing[@]}")
if [ "$(id -u)" -ne 0 ]; then
  echo "Kyvelo needs these Debian packages; run as root:" >&2
  echo "  apt-get update && ${cmd[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
"${cmd[@]}"
