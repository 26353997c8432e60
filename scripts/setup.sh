#!/usr/bin/env bash
# Makes a Debian 12 machine ready to build and test Varno: the i686 mingw-w64
# cross compiler, 32-bit Wine, Xvfb, Japanese fonts and locale, GoogleTest's
# sources. Quick when everything is already there.
set -euo pipefail

packages=(
  cmake make
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686 mingw-w64-i686-dev
  wine wine32:i386 fonts-wine
  xvfb xauth imagemagick x11-utils
  fonts-ipafont-gothic fonts-ipafont-mincho
  locales
  googletest
  dos2unix coreutils
)

sudo_if_needed() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    sudo_if_needed dpkg --add-architecture i386
  fi
  export DEBIAN_FRONTEND=noninteractive
  sudo_if_needed apt-get update -q
  sudo_if_needed apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# Wine creates files with Japanese names only when the glibc locale exists.
if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
  echo "setup: generating locale ja_JP.UTF-8"
  sudo_if_needed localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
fi
