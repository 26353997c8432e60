#!/usr/bin/env bash
# The conversion run's benchmark. On one generated tree of small source-like
# files (FILES files of 1-8 KiB in about FOLDERS folders) it times, in the
# same run and each into an empty destination:
#   - the run (folder checks, walk, progress fields) with QueltDll ticked,
#     through a window stand-in that only records the texts;
#   - a plain walk of our own: FindFirstFileA, CreateDirectoryA and the
#     conversion core called directly, no progress fields;
#   - the real Varno.exe, its fields filled and Execute clicked;
#   - a shell loop of expand -t 4 | unix2dos into a mirrored tree;
# and prints files per second (best of RUNS) with the ratios.
#
# The tree lives in memory (/dev/shm) when the machine has it, so that the
# figures show what the programs cost and not the disk's mood: on a virtual
# machine with a throttled disk the same run takes 13 s or 28 s depending on
# how much was written just before. BENCH_DATA=<folder> puts it below
# another folder (a disk, say).
#
#   bash bench/run-bench.sh
#   FILES=5000 RUNS=1 bash bench/run-bench.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$root/build}
files=${FILES:-20000}
folders=${FOLDERS:-50}
runs=${RUNS:-3}
# shellcheck source=scripts/virtual-display.sh
source "$root/scripts/virtual-display.sh"

BUILD=$build bash "$root/scripts/build.sh" RunBench >/dev/null

# The benchmark works in a folder of its own below that place, and removes it.
if [ -n "${BENCH_DATA:-}" ]; then
  place=$BENCH_DATA
elif [ -d /dev/shm ] && [ -w /dev/shm ]; then
  place=/dev/shm
else
  place=$build/bench-data
fi
data=$place/varno-run-bench.$$
# A Wine prefix of the benchmark's own: tests may run meanwhile.
export VARNO_WINEPREFIX=$build/bench-wineprefix
xvfb_pid=
cleanup() {
  rm -rf "$data"
  WINEPREFIX=$VARNO_WINEPREFIX wineserver -k 2>/dev/null || true
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
}
trap cleanup EXIT
rm -rf "$data"
mkdir -p "$data"
if [ -z "${DISPLAY:-}" ]; then start_virtual_display; fi
start_wine_desktop "$build"

win() { local path=$1; echo "Z:${path//\//\\}"; }
bench() { "$build/wine-run.sh" "$build/bench/RunBench.exe" "$@" | tr -d '\r'; }
field() { sed -n "s/^$1=//p"; }
min() { awk -v a="$1" -v b="$2" 'BEGIN { print (a == "" || b < a) ? b : a }'; }
rate() { awk -v n="$1" -v s="$2" 'BEGIN { printf "%9.0f", n / s }'; }
bin=$(win "$build/bin")
src=$data/src
dst=$data/dst

echo "Generating $files files in $folders folders..."
bench generate "$(win "$src")" "$files" "$folders"
echo "  in $data: $(find "$src" -type f | wc -l) files, $(find "$src" -mindepth 1 -type d | wc -l) folders, $(du -sm "$src" | cut -f1) MiB"

# Each timed run starts from an empty destination, with the writes of the
# run before it already on disk.
fresh_dest() { rm -rf "$dst"; mkdir -p "$dst"; sync; }
# Warm-up: the page cache holds the tree before anything is timed.
fresh_dest
bench plain "$(win "$src")" "$(win "$dst")" >/dev/null

fake= plain= window= shell=
count_fake= count_plain= count_window=
time_mode() {
  fresh_dest
  local out
  case $1 in
  fake)
    out=$(bench fake "$bin" "$(win "$src")" "$(win "$dst")")
    fake=$(min "$fake" "$(echo "$out" | field seconds)"); count_fake=$(echo "$out" | field files) ;;
  plain)
    out=$(bench plain "$(win "$src")" "$(win "$dst")")
    plain=$(min "$plain" "$(echo "$out" | field seconds)"); count_plain=$(echo "$out" | field files) ;;
  window)
    out=$(bench window "$bin" "$(win "$src")" "$(win "$dst")")
    window=$(min "$window" "$(echo "$out" | field seconds)"); count_window=$(echo "$out" | field files) ;;
  esac
}
# The order turns with every round, so that no mode always follows the same
# one (on a throttled disk every run is slower than the one before it).
modes=(fake plain window)
for round in $(seq 0 $((runs - 1))); do
  for k in 0 1 2; do time_mode "${modes[$(((round + k) % 3))]}"; done
done

# The shell loop once: it is slow, and its spread is small against the gap.
fresh_dest
start=$EPOCHREALTIME
(cd "$src" && find . -mindepth 1 -type d -printf '%P\0' | (cd "$dst" && xargs -0 -r mkdir -p))
(cd "$src" && find . -type f \( -name '*.c' -o -name '*.h' -o -name '*.txt' \) -printf '%P\n' |
  while IFS= read -r f; do expand -t 4 "$f" | unix2dos >"$dst/$f" 2>/dev/null; done)
shell=$(awk -v a="$start" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.6f", b - a }')

echo
printf '%-46s %9s %9s %10s\n' "" "files" "seconds" "files/s"
printf '%-46s %9d %9.3f %s\n' "run with the recording window stand-in" "$count_fake" "$fake" "$(rate "$count_fake" "$fake")"
printf '%-46s %9d %9.3f %s\n' "plain walk (core called directly)" "$count_plain" "$plain" "$(rate "$count_plain" "$plain")"
printf '%-46s %9d %9.3f %s\n' "real Varno.exe window, Execute clicked" "$count_window" "$window" "$(rate "$count_window" "$window")"
printf '%-46s %9d %9.3f %s\n' "shell loop: expand -t 4 | unix2dos" "$files" "$shell" "$(rate "$files" "$shell")"
echo
awk -v f="$fake" -v p="$plain" -v w="$window" -v s="$shell" 'BEGIN {
  printf "run / plain walk:         %5.1f%%  (goal: at least 90%%)\n", 100 * p / f
  printf "run / shell loop:         %5.1fx  (goal: faster)\n", s / f
  printf "window / run stand-in:    %5.1f%%  (goal: at least 90%%)\n", 100 * f / w
}'
