#!/usr/bin/env bash
# Installs every Debian package Kyvelo needs to build, test and run, and the packages named as
# arguments (scripts/package.sh asks for lintian); with --program first, only those that building
# and running the program need (scripts/run.sh). Safe to run again: it asks apt only for what is
# missing.
set -euo pipefail

PROGRAM=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev libgl-dev qt6-translations-l10n
  fonts-liberation fonts-dejavu-core librsvg2-bin
)
DEVELOPMENT=(
  qt6-charts-dev libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xdotool x11-utils x11-apps imagemagick
  at-spi2-core python3-pyatspi dbus
  desktop-file-utils appstream dpkg-dev
  clang libclang-rt-14-dev llvm clang-format-14
)
if [ "${1:-}" = --program ]; then
  shift
  PACKAGES=("${PROGRAM[@]}" "$@")
else
  PACKAGES=("${PROGRAM[@]}" "${DEVELOPMENT[@]}" "$@")
fi

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
