#!/usr/bin/env bash
# `make run`: installs what is missing, builds the Linux build into build/gtk/
# and starts it.
#
# The real build fetches the marketplace's women's channel, which needs the
# network; with VELLORAN_REAL unset (as on a machine without one) the tool is
# shown doing its job against the sample marketplace instead (scripts/demo.sh).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh" core gtk

build="$top/build/gtk"
cmake -S "$top" -B "$build" -G Ninja -DVELLORAN_GTK=ON -DVELLORAN_TESTS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)"
echo "run: the real build is $build/velloran"

if [[ -z "${VELLORAN_REAL:-}" ]]; then
  echo "run: VELLORAN_REAL is unset, so showing the tool against the sample marketplace (make demo)"
  echo "run: VELLORAN_REAL=1 make run starts the real build instead"
  exec "$top/scripts/demo.sh"
fi
if [[ -z "${DISPLAY:-}" ]]; then
  echo "run: the real build needs a display (DISPLAY is unset)" >&2
  exit 1
fi
exec "$build/velloran"
