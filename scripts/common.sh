# Shared by run.sh and test.sh: install what is missing, then configure and build.

QUILLROUTE_PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev libgtest-dev
                     libbenchmark-dev libinih-dev fonts-dejavu-core)

install_missing_packages() {
    local missing=()
    for package in "${QUILLROUTE_PACKAGES[@]}"; do
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

build_quillroute() {
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build --parallel
}
