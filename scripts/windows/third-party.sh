#!/usr/bin/env bash
# Builds the third-party libraries of the core for Windows with MinGW-w64 into
# a prefix outside the checkout ($QUILLROUTE_WINDOWS_CACHE, by default
# ~/.cache/quillroute/windows), from Debian's source packages, and reuses it
# when it is there: libcsv, libxlsxwriter (with Debian's MinGW zlib), Google
# Benchmark, googletest from /usr/src/googletest, and nlohmann-json's headers as they are.
set -euo pipefail
cd "$(dirname "$0")/../.."
root="$PWD"
cache="${QUILLROUTE_WINDOWS_CACHE:-$HOME/.cache/quillroute/windows}"
prefix="$cache/prefix"
[ -f "$prefix/.complete" ] && [ -d "$prefix/lib/cmake/benchmark" ] && exit 0
mkdir -p "$cache/src" "$prefix/include" "$prefix/lib"

# Debian's sources: apt-get source needs the deb-src lines of the archive.
if ! apt-get source --print-uris libcsv > /dev/null 2>&1; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo tee /etc/apt/sources.list.d/quillroute-src.sources > /dev/null <<'SOURCES'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
    $sudo apt-get update
fi
cd "$cache/src"
for package in libcsv libxlsxwriter; do
    ls "$package"_*.dsc > /dev/null 2>&1 || apt-get source --download-only "$package"
done
ls benchmark_*.dsc > /dev/null 2>&1 || apt-get source --download-only benchmark
[ -d csv ] || dpkg-source -x libcsv_*.dsc csv
[ -d xlsxwriter ] || dpkg-source -x libxlsxwriter_*.dsc xlsxwriter
[ -d benchmark ] || dpkg-source -x benchmark_*.dsc benchmark > /dev/null

toolchain="$root/scripts/windows/mingw-w64.cmake"
export QUILLROUTE_WINDOWS_PREFIX="$prefix"

# libcsv is one C file.
x86_64-w64-mingw32-gcc-posix -O2 -c csv/libcsv.c -o "$cache/libcsv.o"
rm -f "$prefix/lib/libcsv.a"
x86_64-w64-mingw32-ar rcs "$prefix/lib/libcsv.a" "$cache/libcsv.o"
cp csv/csv.h "$prefix/include/"

cmake -S xlsxwriter -B "$cache/build-xlsxwriter" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" \
      -DBUILD_TESTS=OFF -DBUILD_EXAMPLES=OFF
cmake --build "$cache/build-xlsxwriter" --parallel
cmake --install "$cache/build-xlsxwriter"

cmake -S /usr/src/googletest -B "$cache/build-googletest" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" -Dgtest_disable_pthreads=OFF
cmake --build "$cache/build-googletest" --parallel
cmake --install "$cache/build-googletest"

# Google Benchmark, for the benchmarks under Wine. Debian reads no git tags:
# "0.0.0" has it take the version of its project.
cmake -S benchmark -B "$cache/build-benchmark" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" \
      -DBENCHMARK_ENABLE_TESTING=OFF -DBENCHMARK_ENABLE_GTEST_TESTS=OFF \
      -DBENCHMARK_ENABLE_WERROR=OFF -DBENCHMARK_ENABLE_INSTALL=ON -DGIT_VERSION=0.0.0
cmake --build "$cache/build-benchmark" --parallel
cmake --install "$cache/build-benchmark"

# Header-only: the same headers and package files the Linux build uses.
cp -r /usr/include/nlohmann "$prefix/include/"
mkdir -p "$prefix/share/cmake"
cp -r /usr/share/cmake/nlohmann_json "$prefix/share/cmake/"
touch "$prefix/.complete"
