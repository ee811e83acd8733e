#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12, when it is missing:
# the toolchains, Wine with its 32-bit half (the shipping exe is 32-bit), Xvfb.
# A 32-bit Wine that cannot be installed is reported, not fatal: the test
# command then runs the rest and says so in its summary.
set -euo pipefail
packages=(cmake make g++ googletest
          g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64
          wine wine64 xvfb xauth xdotool x11-utils fp-utils)

installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"
}

missing=()
for p in "${packages[@]}"; do
  installed "$p" || missing+=("$p")
done
need_wine32=0
installed wine32:i386 || need_wine32=1

if [ ${#missing[@]} -eq 0 ] && [ $need_wine32 -eq 0 ]; then
  echo "setup: every package is installed"
  exit 0
fi
if [ "$(id -u)" -ne 0 ]; then
  wanted="${missing[*]}"
  [ $need_wine32 -eq 1 ] && wanted="$wanted wine32:i386"
  echo "setup: run as root (or install $wanted) first" >&2
  [ ${#missing[@]} -eq 0 ] && exit 0
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
if [ $need_wine32 -eq 1 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  echo "setup: adding the i386 architecture for the 32-bit Wine"
  dpkg --add-architecture i386
fi
apt-get update
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  apt-get install -y "${missing[@]}"
fi
if [ $need_wine32 -eq 1 ]; then
  echo "setup: installing wine32:i386"
  apt-get install -y wine32:i386 || echo "setup: wine32:i386 could not be installed; the i686 tests will not run"
fi
