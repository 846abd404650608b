#!/usr/bin/env bash
# Cross-builds the core and its tests for Windows with MinGW-w64 in
# build-windows/ and runs the tests under Wine.
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/common.sh
install_missing_packages "${QUILLROUTE_WINDOWS_PACKAGES[@]}"
scripts/windows/third-party.sh
# Wine in a prefix of its own, quiet, and without offering to install Mono or
# Gecko (no dialog can be answered here).
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX="${WINEPREFIX:-${QUILLROUTE_WINDOWS_CACHE:-$HOME/.cache/quillroute/windows}/wine}"
export QUILLROUTE_WINDOWS_PREFIX="${QUILLROUTE_WINDOWS_CACHE:-$HOME/.cache/quillroute/windows}/prefix"
# pkg-config answers for the Windows libraries, never the host's.
export PKG_CONFIG_LIBDIR="$QUILLROUTE_WINDOWS_PREFIX/lib/pkgconfig"
cmake -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_TOOLCHAIN_FILE=scripts/windows/mingw-w64.cmake \
      -DQUILLROUTE_GUI=OFF -DQUILLROUTE_BENCH=OFF
cmake --build build-windows --parallel
cd build-windows
# Each test program runs whole in one Wine process (see tests/CMakeLists.txt).
ctest --output-on-failure --parallel "$(nproc)" "$@"
