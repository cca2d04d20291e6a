#!/usr/bin/env bash
# Builds Kyvelo and starts the simulation. Installs missing packages first.
# Without a display the program itself says so and shows how to run it on a virtual screen.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja >/dev/null
cmake --build "$build" -j "$(nproc)" --target kyvelo
exec "$build/src/app/kyvelo" "$@"
