#!/usr/bin/env bash
# Builds the Debian package kyvelo_<version>_<arch>.deb in build-package (a release build), shows its
# control data and checks it with lintian, which fails on errors. Installs missing packages first.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh lintian
build=${BUILD_DIR:-build-package}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKYVELO_TESTS=OFF -DKYVELO_BENCH=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target kyvelo kyvelo_icons kyvelo_docs
rm -f "$build"/kyvelo_*.deb # one package of the current version
(cd "$build" && cpack -G DEB)
package=$(ls "$build"/kyvelo_*.deb)
dpkg-deb -I "$package"
lintian --fail-on error "$package"
echo "Built $package; install it with: apt-get install ./$package"
