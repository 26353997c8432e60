#!/usr/bin/env bash
# Regenerates the screenshots in docs/: the main window with QueltDll loaded
# and filled in, the information dialog and the about box, each cropped to
# its window with the frame Wine draws on its virtual desktop. Builds what
# is missing first. Runs on a virtual display and a Wine prefix of its own,
# so tests may run meanwhile. Not part of the test run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build
docs=$root/docs
# shellcheck source=scripts/virtual-display.sh
source "$root/scripts/virtual-display.sh"

BUILD=$build bash "$root/scripts/build.sh" Varno QueltDll VarnoShotDriver >/dev/null

export VARNO_WINEPREFIX=$build/shots-wineprefix
xvfb_pid=
varno_pid=
cleanup() {
  if [ -n "$varno_pid" ]; then kill "$varno_pid" 2>/dev/null || true; fi
  WINEPREFIX=$VARNO_WINEPREFIX wineserver -k 2>/dev/null || true
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
}
trap cleanup EXIT

start_virtual_display
start_wine_desktop "$build"

# Varno in build/bin, where QueltDll lies.
(cd "$build/bin" && exec "$build/wine-run.sh" Varno.exe </dev/null >/dev/null 2>&1) &
varno_pid=$!

mkdir -p "$docs"
# shot <driver step> <file>: the driver brings Varno into the state and
# tells the window's rectangle; the screen is cropped to it.
shot() {
  local geometry
  geometry=$("$build/wine-run.sh" "$build/tests/VarnoShotDriver.exe" "$1" </dev/null | tr -d '\r')
  import -window root -crop "$geometry" +repage -strip "$docs/$2"
  echo "screenshots: $docs/$2 ($geometry)"
}
shot main main-window.png
shot info information-dialog.png
shot about about-box.png
"$build/wine-run.sh" "$build/tests/VarnoShotDriver.exe" close </dev/null
wait "$varno_pid" 2>/dev/null || true
varno_pid=
