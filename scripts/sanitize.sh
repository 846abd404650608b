#!/usr/bin/env bash
# The core tests built with AddressSanitizer and UndefinedBehaviorSanitizer,
# then every fuzz target for QUILLROUTE_FUZZ_SECONDS (30) from its corpus. Any
# finding fails the run. New inputs go to build-sanitize/corpus, never into
# the repository's seeds.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
install_missing_packages "${QUILLROUTE_SANITIZER_PACKAGES[@]}"

sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_CXX_COMPILER=clang++ -DQUILLROUTE_GUI=OFF -DQUILLROUTE_BENCH=OFF \
      -DQUILLROUTE_FUZZ=ON -DCMAKE_CXX_FLAGS="$sanitizers -fsanitize=fuzzer-no-link"
cmake --build build-sanitize --parallel

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build-sanitize && ctest --output-on-failure)

seconds="${QUILLROUTE_FUZZ_SECONDS:-30}"
for target in build-sanitize/bin/fuzz_*; do
    name="$(basename "$target")"
    work="build-sanitize/corpus/$name"
    mkdir -p "$work"
    echo "== $name for ${seconds}s"
    mkdir -p build-sanitize/findings
    "$target" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 -rss_limit_mb=2048 \
              -artifact_prefix=build-sanitize/findings/ \
              "$work" "fuzz/corpus/${name#fuzz_}" > "build-sanitize/$name.log" 2>&1 || {
        tail -40 "build-sanitize/$name.log"
        echo "$name found a fault; the input is in the folder it names above"
        exit 1
    }
    grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "build-sanitize/$name.log" || true
done
