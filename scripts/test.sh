#!/usr/bin/env bash
# Builds Kyvelo and runs every test. Installs missing packages first.
# Environment: KYVELO_SANITIZE=ON for an address/UB sanitizer build (in build-sanitize), where any
# report fails its test; KYVELO_FUZZ=ON builds it with clang and the fuzz targets too (run them with
# scripts/fuzz.sh); BUILD_DIR to choose the build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
sanitize=${KYVELO_SANITIZE:-OFF}
fuzz=${KYVELO_FUZZ:-OFF}
options=(-DKYVELO_TESTS=ON -DKYVELO_SANITIZE="$sanitize" -DKYVELO_FUZZ="$fuzz" -DKYVELO_WERROR=ON)
if [ "$sanitize" = ON ] || [ "$fuzz" = ON ]; then
  build=${BUILD_DIR:-build-sanitize}
  # Benchmark figures mean nothing under the sanitizers.
  options+=(-DKYVELO_BENCH=OFF)
  export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
  export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
  export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp
else
  build=${BUILD_DIR:-build}
fi
if [ "$fuzz" = ON ]; then options+=(-DCMAKE_CXX_COMPILER=clang++); fi
cmake -S . -B "$build" -G Ninja "${options[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j "$(nproc)" --timeout 300
