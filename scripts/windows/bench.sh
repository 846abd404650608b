#!/usr/bin/env bash
# Runs the quote, order, import and export benchmarks on Linux (build/) and
# under Wine (build-windows/, from scripts/windows/build.sh) one after the
# other, and prints each one's time on both and the ratio. Wine is not
# Windows: the ratio says what a user of Wine would see, nothing more.
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/common.sh
cache="${QUILLROUTE_WINDOWS_CACHE:-$HOME/.cache/quillroute/windows}"
filter='BM_QuoteResolve|BM_Order(AddOneLine|QuantityEdit|FileWrite|FileRead|Open)$|BM_ImportRequest|BM_SingleQuotesOfTheRequest|BM_ExportRender|BM_ExportSpreadsheetToFile|BM_PrintLayout|BM_PdfWrite'
for program in build/bin/quillroute_bench build-windows/bin/quillroute_bench.exe; do
    [ -x "$program" ] || { echo "$program is missing: build it first (./test.sh, scripts/windows/build.sh)"; exit 1; }
done
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
export QT_QPA_PLATFORM=offscreen
build/bin/quillroute_bench --benchmark_filter="$filter" --benchmark_format=json >"$out/linux.json" 2>/dev/null
use_windows_wine "$cache"
wine build-windows/bin/quillroute_bench.exe --benchmark_filter="$filter" --benchmark_format=json \
    >"$out/wine.json" 2>/dev/null
python3 - "$out/linux.json" "$out/wine.json" <<'PY'
import json, sys
def times(path):
    with open(path) as f:
        runs = json.load(f)["benchmarks"]
    return {r["name"]: (r["real_time"], r["time_unit"]) for r in runs}
linux, wine = times(sys.argv[1]), times(sys.argv[2])
print(f"{'benchmark':34} {'Linux':>12} {'Wine':>12} {'ratio':>6}")
for name, (t, unit) in linux.items():
    if name in wine:
        w = wine[name][0]
        print(f"{name:34} {t:9.3g} {unit:2} {w:9.3g} {unit:2} {w / t:6.1f}")
PY
