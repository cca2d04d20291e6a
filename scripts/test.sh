#!/usr/bin/env bash
# Builds Kyvelo and runs every test. Installs missing packages first.
# Environment: KYVELO_SANITIZE=ON for an address/UB sanitizer build (in build-sanitize);
# BUILD_DIR to choose the build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
sanitize=${KYVELO_SANITIZE:-OFF}
if [ "$sanitize" = ON ]; then build=${BUILD_DIR:-build-sanitize}; else build=${BUILD_DIR:-build}; fi
cmake -S . -B "$build" -G Ninja -DKYVELO_SANITIZE="$sanitize" -DKYVELO_WERROR=ON >/dev/null
cmake --build "$build" -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j "$(nproc)" --timeout 300
