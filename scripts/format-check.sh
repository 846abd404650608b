#!/usr/bin/env bash
# Fails when a C++ file of ours is off the project's style (.clang-format);
# `clang-format -i FILE` puts it right.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
install_missing_packages clang-format
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
echo "Every C++ file keeps the project's style."
