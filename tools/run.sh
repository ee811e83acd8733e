#!/usr/bin/env bash
# Sets up, builds and starts Quillmark. On Linux the shipping 32-bit (i686)
# Windows build runs under Wine, in a Wine prefix of its own; the data folder
# lies in that prefix's user profile.
# Arguments go to Quillmark, e.g. "-a robot name" runs one robot and quits.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/tools/setup.sh"
bash "$root/tools/build.sh" i686
exe="$root/build/i686/app/Quillmark.exe"
if [ ! -f "$exe" ]; then
  echo "run: the build made no Quillmark.exe" >&2
  exit 1
fi
export WINEPREFIX="$root/build/wineprefix-run"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$WINEPREFIX"
echo "run: robots are the .txt files in" \
  "$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/tarnwick/Skiffbright/script"
if [ -z "${DISPLAY:-}" ]; then
  echo "run: no display; starting Quillmark under Xvfb"
  exec xvfb-run -a -s "-screen 0 1280x1024x24" wine "$exe" "$@"
fi
exec wine "$exe" "$@"
