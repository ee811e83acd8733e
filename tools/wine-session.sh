#!/usr/bin/env bash
# Runs a command inside one Wine session under Xvfb: a prefix of its own in the
# build folder, one persistent wineserver for the whole run, ended afterwards.
# usage: wine-session.sh BUILD_DIR COMMAND...
set -uo pipefail
build=$(cd "${1:?usage: wine-session.sh BUILD_DIR COMMAND...}" && pwd) || exit 2; shift
export WINEPREFIX="$build/wineprefix"
export WINEDEBUG=-all
export WINEARCH=win64
# No Mono or Gecko installer prompts in a test prefix.
export WINEDLLOVERRIDES="mscoree,mshtml="
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)

if [ -z "${QM_IN_XVFB:-}" ]; then
  export QM_IN_XVFB=1
  # The first free display from QM_XVFB_FROM on: sessions started side by
  # side search from different numbers, so they never race for one display.
  exec xvfb-run -a -n "${QM_XVFB_FROM:-99}" -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" "$build" "$@"
fi

mkdir -p "$WINEPREFIX"
"$wineserver" -p
wine wineboot -u >/dev/null 2>&1
# Xvfb has no window manager: managed windows would wait two seconds for one
# on every hide, so the test windows are left unmanaged.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
# The Task Scheduler service, for the tests that save and list tasks.
wine net start schedule >/dev/null 2>&1
"$@"
status=$?
"$wineserver" -k 2>/dev/null || true
exit $status
