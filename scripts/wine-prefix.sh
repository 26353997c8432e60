#!/usr/bin/env bash
# Creates the Wine prefix given as $1 once; later calls return at once.
# Concurrent callers wait for the first one to finish.
set -euo pipefail
prefix=$1
stamp=$prefix/.varno-ready
[ -f "$stamp" ] && exit 0
mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
[ -f "$stamp" ] && exit 0
export WINEPREFIX=$prefix WINEARCH=win32 WINEDEBUG=-all LC_ALL=ja_JP.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml="
echo "wine-prefix: creating $prefix" >&2
wineboot -i >/dev/null 2>&1
wineserver -w
# Drive R: is an empty root folder of the tests' own (a drive root's path
# already ends in a backslash, which the programs must cope with).
mkdir -p "$prefix/drive_r"
ln -sfn ../drive_r "$prefix/dosdevices/r:"
touch "$stamp"
