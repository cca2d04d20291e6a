#!/usr/bin/env bash
# Builds Kyvelo and starts the simulation. Installs missing packages first.
# Without a display the program itself says so and shows how to run it on a virtual screen.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh --program
build=${BUILD_DIR:-build}
if [ -f "$build/CMakeCache.txt" ]; then
  # A folder made before (perhaps by scripts/test.sh) keeps the options it was made with.
  cmake -S . -B "$build" >/dev/null
else
  cmake -S . -B "$build" -G Ninja -DKYVELO_TESTS=OFF -DKYVELO_BENCH=OFF >/dev/null
fi
cmake --build "$build" -j "$(nproc)" --target kyvelo
exec "$build/src/app/kyvelo" "$@"
