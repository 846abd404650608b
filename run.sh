#!/usr/bin/env bash
# Installs what is missing, builds, and starts Quillroute on the bundled sample data.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh
install_missing_packages
# Only what it runs: the test suites and benchmarks are test.sh's to build.
build_quillroute "${QUILLROUTE_PROGRAM_TARGETS[@]}"
# As an installer would: point the user's shared data folder at the bundled one,
# unless the user already has one.
build/bin/quillroute_register_shared_folder "$PWD/data/sample/shared"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display is available to show the Quillroute window."
    echo "Start it on a virtual display instead:"
    echo "    apt-get install -y xvfb xauth && xvfb-run -a ./run.sh"
    exit 1
fi
exec build/bin/quillroute "$@"
