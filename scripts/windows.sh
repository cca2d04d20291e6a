#!/usr/bin/env bash
# Cross-builds Kyvelo for 64-bit Windows with mingw-w64 and packs build-windows/kyvelo-1.0-windows-x64.zip.
# Qt's base (Core, Gui, Widgets, the windows platform plugin) is built once from Debian's qt6-base
# source package, the same version as the host tools, into $KYVELO_WINDOWS_CACHE (default
# ~/.cache/kyvelo-windows), and reused while it is there. With --test it then runs the unit tests
# and the link tests as .exe files under wine64 on Xvfb. Heavy steps run under nice -n 19.
# Run as root (it installs the cross compiler, wine and the source package when missing).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
cache=${KYVELO_WINDOWS_CACHE:-$HOME/.cache/kyvelo-windows}
build=$root/build-windows
qt=$cache/qt
triple=x86_64-w64-mingw32
jobs=$(nproc)
test=false
[ "${1:-}" = --test ] && test=true

step() { printf '== %s (%ds)\n' "$*" "$SECONDS"; }

install_packages() {
  step "packages"
  bash scripts/setup.sh g++-mingw-w64-x86-64-posix wine wine64 fonts-wine xvfb xauth zip unzip dpkg-dev libgtest-dev
}

# A deb-src twin of each apt source of this machine, written at run time, so that apt-get source
# fetches from the same place as the binary packages.
add_source_entries() {
  local list=/etc/apt/sources.list.d/kyvelo-deb-src.sources
  [ -f "$list" ] && return
  step "deb-src entries"
  for f in /etc/apt/sources.list.d/*.sources; do
    [ "$f" = "$list" ] && continue
    sed -n 's/^Types: deb$/Types: deb-src/; /^Types:\|^URIs:\|^Suites:\|^Components:\|^Signed-By:\|^$/p' "$f"
    echo
  done >"$list.new"
  mv "$list.new" "$list"
  apt-get update -qq
}

fetch_qt_source() {
  [ -d "$cache/src/qtbase" ] && return
  add_source_entries
  step "qt6-base source"
  local version
  version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
  rm -rf "$cache/src" && mkdir -p "$cache/src"
  (cd "$cache/src" && apt-get source -qq "qt6-base=$version" >/dev/null)
  mv "$cache/src"/qt6-base-*/ "$cache/src/qtbase"
}

# Qt 6.4.2 builds its DirectWrite font database only together with Direct2D, which is off here,
# but the windows platform plugin asks for it whenever DirectWrite 3 is there: it keeps to the
# default (GDI) font database instead.
mend_qt_source() {
  sed -i 's/^#if QT_CONFIG(directwrite3)$/#if QT_CONFIG(directwrite3) \&\& QT_CONFIG(direct2d)/' \
    "$cache/src/qtbase/src/plugins/platforms/windows/qwindowsintegration.cpp"
}

build_qt() {
  [ -f "$qt/lib/cmake/Qt6/qt.toolchain.cmake" ] && return
  fetch_qt_source
  mend_qt_source
  step "Qt base for $triple"
  local qtbuild=$cache/qt-build
  nice -n 19 cmake -S "$cache/src/qtbase" -B "$qtbuild" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$qt" -DBUILD_SHARED_LIBS=ON \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(uname -m)-linux-gnu/cmake" \
    -DQT_BUILD_TESTS=OFF -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_network=OFF -DFEATURE_sql=OFF \
    -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF -DFEATURE_testlib=OFF -DFEATURE_concurrent=OFF \
    -DFEATURE_xml=OFF -DFEATURE_tabletevent=OFF -DFEATURE_vulkan=OFF -DFEATURE_direct2d=OFF \
    -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF >/dev/null
  nice -n 19 cmake --build "$qtbuild" -j "$jobs"
  nice -n 19 cmake --install "$qtbuild" >/dev/null
}

# GoogleTest from Debian's source copy, for the tests.
build_gtest() {
  [ -f "$cache/gtest/lib/cmake/GTest/GTestConfig.cmake" ] && return
  step "GoogleTest for $triple"
  nice -n 19 cmake -S /usr/src/googletest -B "$cache/gtest-build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$cache/gtest" -Dgtest_disable_pthreads=OFF >/dev/null
  nice -n 19 cmake --build "$cache/gtest-build" -j "$jobs"
  cmake --install "$cache/gtest-build" >/dev/null
}

build_kyvelo() {
  step "Kyvelo for $triple"
  nice -n 19 cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKYVELO_WERROR=ON -DKYVELO_BENCH=OFF \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_PREFIX_PATH="$cache/gtest" -DCMAKE_CROSSCOMPILING_EMULATOR=wine >/dev/null
  nice -n 19 cmake --build "$build" -j "$jobs"
}

# The DLLs of the compiler's runtime.
runtime_dlls() {
  for dll in libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
    $triple-g++-posix -print-file-name=$dll
  done
}

# A folder that runs where it is unpacked: the program, Qt with the windows platform plugin and
# style, the runtime, Qt's own translations, and qt.conf that makes the folder Qt's prefix.
make_zip() {
  step "zip"
  local stage=$build/stage/kyvelo-1.0
  rm -rf "$build/stage" && mkdir -p "$stage/platforms" "$stage/styles" "$stage/translations"
  cmake --install "$build" --prefix "$stage" >/dev/null
  cp "$qt"/bin/Qt6{Core,Gui,Widgets}.dll $(runtime_dlls) "$stage"
  cp "$qt/plugins/platforms/qwindows.dll" "$stage/platforms"
  cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$stage/styles"
  for code in de el es fr it pl; do
    [ -f "/usr/share/qt6/translations/qtbase_$code.qm" ] && cp "/usr/share/qt6/translations/qtbase_$code.qm" "$stage/translations"
  done
  printf '[Paths]\r\nPrefix = .\r\nPlugins = .\r\nTranslations = translations\r\n' >"$stage/qt.conf"
  find "$stage" -name '*.exe' -o -name '*.dll' | xargs $triple-strip --strip-unneeded
  rm -f "$build/kyvelo-1.0-windows-x64.zip"
  (cd "$build/stage" && zip -qr9 "$build/kyvelo-1.0-windows-x64.zip" kyvelo-1.0)
  echo "Built $build/kyvelo-1.0-windows-x64.zip ($(du -k "$build/kyvelo-1.0-windows-x64.zip" | cut -f1) KiB)"
}

# wine (Debian's wrapper, which runs 64-bit programs with wine64) with a prefix of its own, finding
# Qt and the runtime for the .exe files of the build tree.
setup_wine() {
  export WINEPREFIX=$cache/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  local path="Z:$qt/bin"
  for dll in $(runtime_dlls); do path="$path;Z:$(dirname "$dll")"; done
  export WINEPATH=$path
  # Made on a display: a prefix made without one cannot create windows later.
  if [ ! -f "$WINEPREFIX/.kyvelo-ready" ]; then
    step "wine prefix"
    rm -rf "$WINEPREFIX"
    xvfb-run -a sh -c 'wineboot --init && wineserver -w' >/dev/null 2>&1
    touch "$WINEPREFIX/.kyvelo-ready"
  fi
}

# The unit tests and the link tests under wine, then the zip unpacked in a new folder: its program
# prints the table and takes a picture there.
run_tests() {
  setup_wine
  step "tests under wine"
  local failed=0
  wineserver -k || true
  xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir "$build" --output-on-failure --timeout 900 || failed=1
  step "the zip, unpacked elsewhere"
  local unpacked
  unpacked=$(mktemp -d)
  unzip -q "$build/kyvelo-1.0-windows-x64.zip" -d "$unpacked"
  # One wine session on one display: windows made in a session begun without one fail.
  wineserver -k || true
  (
    cd "$unpacked/kyvelo-1.0"
    unset WINEPATH
    xvfb-run -a -s "-screen 0 1280x1024x24" sh -c 'wine kyvelo.exe --table >table.txt && wine kyvelo.exe --screenshot w.png'
    cat table.txt
    cp table.txt w.png "$build"
  )
  rm -rf "$unpacked"
  echo "Picture: $build/w.png"
  return $failed
}

install_packages
build_qt
build_gtest
build_kyvelo
make_zip
if $test; then run_tests; fi
step "done"
