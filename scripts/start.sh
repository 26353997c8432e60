#!/usr/bin/env bash
# Starts Varno under Wine in build/bin, where QueltDll lies, so that the
# tab converter's row is there. Sets up and builds what is missing first.
# Without a display, Varno runs on a virtual one: the script saves a
# screenshot of the window, says where, and ends Varno again.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build
# shellcheck source=scripts/virtual-display.sh
source "$root/scripts/virtual-display.sh"

BUILD=$build bash "$root/scripts/build.sh"
cd "$build/bin"

if [ -n "${DISPLAY:-}" ]; then
  exec "$build/wine-run.sh" Varno.exe
fi

xvfb_pid=
varno_pid=
cleanup() {
  if [ -n "$varno_pid" ]; then kill "$varno_pid" 2>/dev/null || true; fi
  WINEPREFIX=${VARNO_WINEPREFIX:-$build/wineprefix} wineserver -k 2>/dev/null || true
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
}
trap cleanup EXIT

start_virtual_display
echo "start: no display; running Varno on the virtual display $DISPLAY"

"$build/wine-run.sh" Varno.exe </dev/null >/dev/null 2>&1 &
varno_pid=$!
shown=
for _ in $(seq 150); do
  if xwininfo -root -tree 2>/dev/null | grep -q '"Varno": ("varno.exe"'; then
    shown=1
    break
  fi
  sleep 0.2
done
if [ -z "$shown" ]; then
  echo "start: Varno's window did not show" >&2
  exit 1
fi
sleep 1 # let it paint
screenshot=$build/varno-screenshot.png
import -window root "$screenshot"
echo "start: screenshot of Varno's window saved to $screenshot"
