#!/usr/bin/env bash
# Sets up what is missing, builds everything and runs every test under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build
# shellcheck source=scripts/virtual-display.sh
source "$root/scripts/virtual-display.sh"

BUILD=$build bash "$root/scripts/build.sh"

xvfb_pid=
cleanup() {
  # The Wine server lingers after the last test; end it with the run.
  WINEPREFIX=${VARNO_WINEPREFIX:-$build/wineprefix} wineserver -k 2>/dev/null || true
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
}
trap cleanup EXIT

# The window tests need a display: a virtual one of our own, on the first
# free display number, which Xvfb writes to the file when it is ready.
start_virtual_display

start_wine_desktop "$build"

ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
