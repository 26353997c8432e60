#!/usr/bin/env bash
# Sets up what is missing on this machine and builds into build/ (or $BUILD):
# everything, or the targets named as arguments.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$root/build}

bash "$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/i686-w64-mingw32.cmake" >/dev/null
targets=()
for target in "$@"; do targets+=(--target "$target"); done
cmake --build "$build" "${targets[@]}" -j"$(nproc)"
