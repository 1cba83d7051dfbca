#!/usr/bin/env bash
# Cross-builds velloran.exe with MinGW-w64: one self-contained exe with the
# static runtime, in build/win32/velloran.exe (or OUT_DIR/velloran.exe).
#   scripts/build-exe.sh [--source-address URL] [--build-dir DIR] [--out-dir DIR]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
buildDir="$top/build/win32-cmake"
outDir="$top/build/win32"
sourceAddress=""
while (($#)); do
  case "$1" in
    --source-address) sourceAddress="$2"; shift 2 ;;
    --build-dir) buildDir="$2"; shift 2 ;;
    --out-dir) outDir="$2"; shift 2 ;;
    *) echo "build-exe: unknown argument $1" >&2; exit 2 ;;
  esac
done
"$top/scripts/setup.sh" core win32
options=(-G Ninja -DCMAKE_BUILD_TYPE=Release
         -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64.cmake"
         -DVELLORAN_WIN32=ON -DVELLORAN_TESTS=OFF)
# An address given once must not stick in the cache for later plain builds.
if [[ -n "$sourceAddress" ]]; then
  options+=(-DVELLORAN_SOURCE_ADDRESS="$sourceAddress")
else
  options+=(-UVELLORAN_SOURCE_ADDRESS)
fi
cmake -S "$top" -B "$buildDir" "${options[@]}" >/dev/null
cmake --build "$buildDir" --target velloran
mkdir -p "$outDir"
cp "$buildDir/platform/win32/velloran.exe" "$outDir/velloran.exe"
echo "build-exe: $outDir/velloran.exe"
