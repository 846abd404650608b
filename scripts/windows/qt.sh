#!/usr/bin/env bash
# Builds the Qt modules the window uses (Core, Gui, Widgets, Network,
# PrintSupport, Test and the platform plugins "windows" and "offscreen") for
# Windows with MinGW-w64, from Debian's qtbase source package of the host's Qt
# version and with the host's Qt tools, into $QUILLROUTE_WINDOWS_CACHE/qt
# (by default ~/.cache/quillroute/windows/qt). Reused when present: the build
# is about 1,300 steps, some 35 to 45 minutes on two cores.
#
# Debian's source lacks wintab.h (removed as not free), so tablet events are
# off; OpenGL stays on, without it the Windows plugin of 6.4 does not build.
set -euo pipefail
cd "$(dirname "$0")/../.."
root="$PWD"
cache="${QUILLROUTE_WINDOWS_CACHE:-$HOME/.cache/quillroute/windows}"
qt="$cache/qt"
[ -f "$qt/.complete" ] && exit 0
scripts/windows/third-party.sh # the deb-src lines and the toolchain prefix

mkdir -p "$cache/src"
cd "$cache/src"
ls qt6-base_*.dsc > /dev/null 2>&1 || apt-get source --download-only qt6-base
[ -d qtbase ] || dpkg-source -x qt6-base_*.dsc qtbase > /dev/null

export QUILLROUTE_WINDOWS_PREFIX="$cache/prefix"
cmake -S qtbase -B "$cache/build-qt" -G Ninja -Wno-dev \
      -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$root/scripts/windows/mingw-w64.cmake" \
      -DCMAKE_INSTALL_PREFIX="$qt" \
      -DQT_HOST_PATH=/usr \
      -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
      -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
      -DFEATURE_tabletevent=OFF \
      -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF \
      -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF -DFEATURE_openssl=OFF \
      -DFEATURE_system_zlib=OFF -DFEATURE_zstd=OFF \
      -DFEATURE_sql_sqlite=OFF -DFEATURE_testlib_selfcover=OFF
cmake --build "$cache/build-qt" --parallel "$(nproc)"
cmake --install "$cache/build-qt"
touch "$qt/.complete"
