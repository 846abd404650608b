# Shared by run.sh and test.sh: install what is missing, then configure and build.

QUILLROUTE_PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev libqt6opengl6-dev libgtest-dev
                     libbenchmark-dev libinih-dev libxlsxwriter-dev nlohmann-json3-dev libcsv-dev
                     fonts-dejavu-core fonts-liberation2)

# The programs a customer opens our exports with, for the tests that let them
# read the files back.
QUILLROUTE_TEST_PACKAGES=(libreoffice-calc-nogui chromium poppler-utils unzip locales)

# MinGW-w64 and Wine: the core and its tests built for Windows and run here.
QUILLROUTE_WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix libz-mingw-w64-dev wine wine64 dpkg-dev nsis)

# clang with its sanitizer and libFuzzer runtimes, for scripts/sanitize.sh.
QUILLROUTE_SANITIZER_PACKAGES=(clang libclang-rt-14-dev llvm)

# Installs the packages named (the program's own when none are named) that
# are not installed yet.
install_missing_packages() {
    local wanted=("$@")
    [ ${#wanted[@]} -eq 0 ] && wanted=("${QUILLROUTE_PACKAGES[@]}")
    local missing=()
    for package in "${wanted[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

# The German locale a customer's spreadsheet is saved under in the tests
# (decimal commas), made when the machine lacks it.
make_test_locales() {
    locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8' && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8
}

# The program's own executables: what run.sh starts and what it calls.
QUILLROUTE_PROGRAM_TARGETS=(quillroute quillroute-check quillroute-export
                            quillroute_register_shared_folder)

# Configures build/ and builds the targets named, everything (tests and
# benchmarks too) when none are named.
build_quillroute() {
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
    local targets=()
    [ $# -gt 0 ] && targets=(--target "$@")
    cmake --build build --parallel "${targets[@]}"
}

# A volume of 64 KB for the save's full-disk test, named in
# QUILLROUTE_SMALL_VOLUME and unmounted when the script ends, where this
# machine lets us mount one (as root, or with sudo that asks for no password).
mount_small_volume() {
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo -n"
    QUILLROUTE_SMALL_VOLUME_MOUNT="$(mktemp -d /tmp/quillroute-small-volume.XXXXXX)"
    if $sudo mount -t tmpfs -o size=64k,mode=1777 quillroute-small \
            "$QUILLROUTE_SMALL_VOLUME_MOUNT" 2>/dev/null; then
        trap "$sudo umount '$QUILLROUTE_SMALL_VOLUME_MOUNT'; rmdir '$QUILLROUTE_SMALL_VOLUME_MOUNT'" EXIT
        export QUILLROUTE_SMALL_VOLUME="$QUILLROUTE_SMALL_VOLUME_MOUNT"
    else
        rmdir "$QUILLROUTE_SMALL_VOLUME_MOUNT"
        echo "No small volume could be mounted here: the full-disk test is skipped."
    fi
}

# Wine as the Windows build runs under it: a prefix of its own in the cache,
# quiet, and without offering to install Mono or Gecko (no dialog can be
# answered here). The programs find Qt's and the runtime's DLLs through
# WINEPATH, as they find them beside themselves once installed.
use_windows_wine() {
    local cache="$1"
    export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    export WINEPREFIX="${WINEPREFIX:-$cache/wine}"
    export WINEPATH="$cache/qt/bin;/usr/lib/gcc/x86_64-w64-mingw32/12-posix;/usr/x86_64-w64-mingw32/lib"
    export QT_PLUGIN_PATH="$cache/qt/plugins"
}
