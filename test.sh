#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh
install_missing_packages
install_missing_packages "${QUILLROUTE_TEST_PACKAGES[@]}"
make_test_locales
build_quillroute
mount_small_volume
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure
