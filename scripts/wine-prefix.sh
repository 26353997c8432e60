#!/usr/bin/env bash
# Creates the Wine prefix given as $1 once and keeps its settings up to
# date; later calls return at once. Concurrent callers wait for the first
# one to finish.
set -euo pipefail
prefix=$1
stamp=$prefix/.varno-ready
# Raise the number when the settings below change: prefixes made before
# get them on their next use.
settings_stamp=$prefix/.varno-settings-1
[ -f "$stamp" ] && [ -f "$settings_stamp" ] && exit 0
mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
[ -f "$stamp" ] && [ -f "$settings_stamp" ] && exit 0
export WINEPREFIX=$prefix WINEARCH=win32 WINEDEBUG=-all LC_ALL=ja_JP.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml="

if [ ! -f "$stamp" ]; then
  echo "wine-prefix: creating $prefix" >&2
  wineboot -i >/dev/null 2>&1
  wineserver -w
  # Drive R: is an empty root folder of the tests' own (a drive root's path
  # already ends in a backslash, which the programs must cope with).
  mkdir -p "$prefix/drive_r"
  ln -sfn ../drive_r "$prefix/dosdevices/r:"
  touch "$stamp"
fi

if [ ! -f "$settings_stamp" ]; then
  echo "wine-prefix: applying settings to $prefix" >&2
  reg_add() { wine reg add "$1" /v "$2" /t REG_SZ /d "$3" /f </dev/null >/dev/null 2>&1; }
  # The dialogs ask for Japanese Windows fonts that are not here; without a
  # replacement Wine takes a font whose metrics cut labels off. The IPA
  # fonts (installed by setup.sh) have the same roles and metrics.
  fonts='HKCU\Software\Wine\Fonts\Replacements'
  reg_add "$fonts" 'ＭＳ Ｐゴシック' 'IPAPGothic'
  reg_add "$fonts" 'MS PGothic' 'IPAPGothic'
  reg_add "$fonts" 'ＭＳ ゴシック' 'IPAGothic'
  reg_add "$fonts" 'MS Gothic' 'IPAGothic'
  reg_add "$fonts" 'MS UI Gothic' 'IPAPGothic'
  reg_add "$fonts" 'ＭＳ Ｐ明朝' 'IPAPMincho'
  reg_add "$fonts" 'MS PMincho' 'IPAPMincho'
  reg_add "$fonts" 'ＭＳ 明朝' 'IPAMincho'
  reg_add "$fonts" 'MS Mincho' 'IPAMincho'
  # Wine finds the title-bar button glyphs (Marlett, from fonts-wine) only
  # in the prefix's own font folder.
  if [ -f /usr/share/wine/fonts/marlett.ttf ]; then
    cp /usr/share/wine/fonts/marlett.ttf "$prefix/drive_c/windows/Fonts/"
  fi
  # One virtual desktop for every program: without a window manager Wine
  # waits about two seconds whenever a window is hidden.
  reg_add 'HKCU\Software\Wine\Explorer' 'Desktop' 'Default'
  reg_add 'HKCU\Software\Wine\Explorer\Desktops' 'Default' '1024x768'
  # No waiting for the server here: one started with -p by another program
  # would keep it waiting; the server writes the registry out when it ends.
  touch "$settings_stamp"
fi
