#!/usr/bin/env bash
# Builds the core and its unit tests plain, with AddressSanitizer and
# UndefinedBehaviorSanitizer, and with ThreadSanitizer, and runs each.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
for type in Debug Asan Tsan; do
  dir="$top/build/unit-$type"
  echo "== unit tests ($type)"
  cmake -S "$top" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$type" >/dev/null
  cmake --build "$dir" -j "$jobs"
  ASAN_OPTIONS=allocator_may_return_null=1:detect_leaks=1 \
  TSAN_OPTIONS=halt_on_error=1:die_after_fork=0:allocator_may_return_null=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir "$dir" --output-on-failure -j "$jobs"
done
