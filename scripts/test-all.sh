#!/usr/bin/env bash
# Sets up and runs every test: the unit suites, then each host's end-to-end
# suite. This is what CI runs.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
lists=(core)
[[ -f "$top/scripts/packages/win32.txt" ]] && lists+=(win32)
[[ -f "$top/scripts/packages/gtk.txt" ]] && lists+=(gtk)
"$top/scripts/setup.sh" "${lists[@]}"
"$top/scripts/unit-tests.sh"
for suite in "$top"/tests/*/run-suite.sh; do
  [[ -x "$suite" ]] || continue
  echo "== $(basename "$(dirname "$suite")") suite"
  "$suite"
done
