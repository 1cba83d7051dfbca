#!/usr/bin/env bash
# Builds the benchmark optimised and runs it; the last table gives each
# measurement as a ratio to its baseline.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
dir="$top/build/bench"
cmake -S "$top" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELLORAN_BENCH=ON >/dev/null
cmake --build "$dir" -j "$(nproc)" --target velloran_bench
"$dir/bench/velloran_bench" "$@"
