#!/usr/bin/env bash
# Sets up what is missing, builds everything and runs every test under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build

bash "$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/i686-w64-mingw32.cmake" >/dev/null
cmake --build "$build" -j"$(nproc)"

xvfb_pid=
cleanup() {
  # The Wine server lingers after the last test; end it with the run.
  WINEPREFIX=$build/wineprefix wineserver -k 2>/dev/null || true
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
}
trap cleanup EXIT

# The window tests need a display: a virtual one of our own, on the first
# free display number, which Xvfb writes to the file when it is ready.
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" </dev/null >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$display_file" ] && break
  sleep 0.1
done
export DISPLAY=:$(cat "$display_file")
rm -f "$display_file"

# Wine's desktop window lives in a process of its own that stays while
# programs use the desktop. Started by a test it would inherit that test's
# output pipe and keep ctest waiting; started here it has none.
"$build/wine-run.sh" explorer.exe /desktop=Default,1024x768 </dev/null >/dev/null 2>&1 &

ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
