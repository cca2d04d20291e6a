#!/usr/bin/env bash
# Builds Kyvelo and runs every test. Installs missing packages first.
# Environment: BUILD_DIR (default build), KYVELO_SANITIZE=ON for an address/UB sanitizer build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DKYVELO_SANITIZE="${KYVELO_SANITIZE:-OFF}" >/dev/null
cmake --build "$build" -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j "$(nproc)" --timeout 300
