#!/usr/bin/env bash
# Builds Kyvelo and starts the simulation. Installs missing packages first.
# Without a display it says so and shows how to run it under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja >/dev/null
cmake --build "$build" -j "$(nproc)" --target kyvelo
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found. To run Kyvelo on a virtual screen:" >&2
  echo "  xvfb-run -s '-screen 0 1280x800x24' $build/src/app/kyvelo" >&2
  exit 1
fi
exec "$build/src/app/kyvelo" "$@"
