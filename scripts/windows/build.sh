#!/usr/bin/env bash
# Cross-builds Quillroute for Windows with MinGW-w64 in build-windows/ and runs
# its tests under Wine: always the core and its tests; when Qt for Windows is
# in the cache (scripts/windows/qt.sh, or QUILLROUTE_WINDOWS_QT=build to make
# it here, some 40 to 50 minutes) also the window, the companions, the window's
# tests and the installer (build-windows/Quillroute-<version>-win64.exe).
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/common.sh
install_missing_packages "${QUILLROUTE_WINDOWS_PACKAGES[@]}"
scripts/windows/third-party.sh
cache="${QUILLROUTE_WINDOWS_CACHE:-$HOME/.cache/quillroute/windows}"
[ "${QUILLROUTE_WINDOWS_QT:-}" = build ] && scripts/windows/qt.sh
qt="$cache/qt"
use_windows_wine "$cache"
# pkg-config answers for the Windows libraries, never the host's.
export PKG_CONFIG_LIBDIR="$cache/prefix/lib/pkgconfig"
window=(-DQUILLROUTE_GUI=OFF)
if [ -f "$qt/.complete" ]; then
    export QUILLROUTE_WINDOWS_PREFIX="$cache/prefix;$qt"
    window=(-DQUILLROUTE_GUI=ON -DCMAKE_PREFIX_PATH="$qt" -DQUILLROUTE_QT_PREFIX="$qt"
            -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake)
else
    export QUILLROUTE_WINDOWS_PREFIX="$cache/prefix"
    echo "Qt for Windows is not in $qt: the window is not built (scripts/windows/qt.sh makes it)."
fi
cmake -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_TOOLCHAIN_FILE=scripts/windows/mingw-w64.cmake -DQUILLROUTE_BENCH=ON "${window[@]}"
cmake --build build-windows --parallel
cd build-windows
mount_small_volume
# Each test program runs whole in one Wine process (see tests/CMakeLists.txt).
ctest --output-on-failure --parallel "$(nproc)" "$@"
if [ -f "$qt/.complete" ]; then
    cpack -G NSIS
fi
