#!/usr/bin/env bash
# Sets up what is missing, builds everything and runs every test under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build

bash "$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/i686-w64-mingw32.cmake" >/dev/null
cmake --build "$build" -j"$(nproc)"

# The Wine server lingers after the last test; end it with the run.
trap 'WINEPREFIX=$build/wineprefix wineserver -k 2>/dev/null || true' EXIT
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
