#!/usr/bin/env bash
# QueltDll's benchmark. On one generated file of source-like text (tabs, LF
# line ends) it times, in the same run:
#   - QueltConv of build/bin/QueltDll.dll under Wine (timed inside the process);
#   - GNU expand -t 4 alone, and expand -t 4 | unix2dos, the closest peer to
#     the whole conversion;
#   - a plain 64 KiB binary copy under Wine (timed inside the process);
# and prints MB/s (10^6 bytes of source per second; best of RUNS runs) with
# the ratios. Then the peak working set of a conversion, each in a fresh
# process, for two file sizes and for one long line: it must not grow.
#
#   bash bench/quelt-bench.sh            256 MiB, 3 runs each
#   MIB=64 RUNS=5 bash bench/quelt-bench.sh
#
# The data lives in build/bench-data/quelt and is deleted afterwards.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$root/build}
mib=${MIB:-256}
runs=${RUNS:-3}
small_mib=16
line_mib=64

BUILD=$build bash "$root/scripts/build.sh" QueltDll QueltBench >/dev/null

wine_run=$build/wine-run.sh
bench_exe=$build/bench/QueltBench.exe
data=$build/bench-data/quelt
rm -rf "$data"
mkdir -p "$data"
trap 'rm -rf "$data"' EXIT

# Wine sees the Linux root as drive Z:.
win() { local path=$1; echo "Z:${path//\//\\}"; }
dll=$(win "$build/bin/QueltDll.dll")
bench() { "$wine_run" "$bench_exe" "$@"; }
field() { sed -n "s/^$1=//p" | tr -d '\r'; }
now() { echo "$EPOCHREALTIME"; }
elapsed() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.6f", b - a }'; }
min() { awk -v a="$1" -v b="$2" 'BEGIN { print (a == "" || b < a) ? b : a }'; }
mbps() { awk -v bytes="$1" -v s="$2" 'BEGIN { printf "%8.1f", bytes / s / 1e6 }'; }

source=$data/source.txt
echo "Generating $mib MiB of source-like text..."
bench generate "$(win "$source")" "$mib"
bytes=$(stat -c %s "$source")
lines=$(wc -l <"$source")
tabs=$(tr -cd '\t' <"$source" | wc -c)
awk -v b="$bytes" -v l="$lines" -v t="$tabs" \
  'BEGIN { printf "  %d bytes, %d lines (%.1f bytes a line), %.2f tabs a line\n", b, l, b / l, t / l }'

# Warm-up: the Wine prefix and server are up and the file is in the page
# cache before anything is timed.
bench convert "$dll" "$(win "$source")" "$(win "$data/quelt.txt")" >/dev/null

quelt= copy= expand_only= expand_dos=
for ((run = 1; run <= runs; run++)); do
  rm -f "$data/quelt.txt"
  out=$(bench convert "$dll" "$(win "$source")" "$(win "$data/quelt.txt")")
  [ "$(echo "$out" | field result)" = 0 ] || { echo "QueltConv failed: $out" >&2; exit 1; }
  quelt=$(min "$quelt" "$(echo "$out" | field seconds)")

  rm -f "$data/copy.bin"
  out=$(bench copy "$(win "$source")" "$(win "$data/copy.bin")")
  copy=$(min "$copy" "$(echo "$out" | field seconds)")

  rm -f "$data/expand.txt"
  start=$(now)
  LC_ALL=C expand -t 4 "$source" >"$data/expand.txt"
  expand_only=$(min "$expand_only" "$(elapsed "$start" "$(now)")")

  rm -f "$data/expand-dos.txt"
  start=$(now)
  LC_ALL=C expand -t 4 "$source" | unix2dos -q >"$data/expand-dos.txt"
  expand_dos=$(min "$expand_dos" "$(elapsed "$start" "$(now)")")
done

if cmp -s "$data/quelt.txt" "$data/expand-dos.txt"; then
  same=yes
else
  same=NO
fi
cmp -s "$source" "$data/copy.bin" || { echo "the copy differs from its source" >&2; exit 1; }
rm -f "$data"/quelt.txt "$data"/copy.bin "$data"/expand.txt "$data"/expand-dos.txt

echo
echo "Throughput on $mib MiB, best of $runs runs (MB/s of source):"
printf "  %-38s %s MB/s  %.3f s\n" "QueltDll QueltConv (Wine)" "$(mbps "$bytes" "$quelt")" "$quelt"
printf "  %-38s %s MB/s  %.3f s\n" "expand -t 4 | unix2dos" "$(mbps "$bytes" "$expand_dos")" "$expand_dos"
printf "  %-38s %s MB/s  %.3f s\n" "expand -t 4" "$(mbps "$bytes" "$expand_only")" "$expand_only"
printf "  %-38s %s MB/s  %.3f s\n" "64 KiB binary copy (Wine)" "$(mbps "$bytes" "$copy")" "$copy"
echo "  QueltDll output identical to expand -t 4 | unix2dos: $same"
echo
awk -v q="$quelt" -v d="$expand_dos" -v e="$expand_only" -v c="$copy" 'BEGIN {
  printf "Ratios:\n"
  printf "  QueltDll vs expand | unix2dos  %5.1fx  (goal >= 8x)\n", d / q
  printf "  QueltDll vs expand alone       %5.1fx  (goal >= 2x)\n", e / q
  printf "  QueltDll vs plain copy         %5.2fx\n", c / q
}'

# Peak working set of a conversion, each in a fresh process: before the
# call (Wine, the program and the DLL loaded) and after it.
peak() {
  local label=$1 file=$2 out before after
  out=$(bench convert "$dll" "$(win "$file")" "$(win "$data/peak.txt")")
  before=$(echo "$out" | field peak_working_set_before)
  after=$(echo "$out" | field peak_working_set)
  rm -f "$data/peak.txt"
  awk -v l="$label" -v b="$before" -v a="$after" \
    'BEGIN { printf "  %-30s %7.1f MiB peak  (%.1f MiB before the call, +%.1f MiB)\n", l, a / 1048576, b / 1048576, (a - b) / 1048576 }'
}
echo
echo "Peak working set of a conversion:"
bench generate "$(win "$data/small.txt")" "$small_mib"
peak "$small_mib MiB of text" "$data/small.txt"
rm -f "$data/small.txt"
peak "$mib MiB of text" "$source"
rm -f "$source"
bench generate-line "$(win "$data/line.txt")" "$line_mib"
peak "one line of $line_mib MiB" "$data/line.txt"
