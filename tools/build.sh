#!/usr/bin/env bash
# Configures and builds one flavour: native (portable core and its tests, with
# sanitizers), x86_64 (the Windows build the tests run under Wine) or i686 (the
# shipping 32-bit Windows build).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
flavour=${1:?usage: build.sh native|x86_64|i686}
build="$root/build/$flavour"
case "$flavour" in
  native) args=(-DCMAKE_BUILD_TYPE=Debug) ;;
  x86_64|i686) args=(-DCMAKE_BUILD_TYPE=Release --toolchain "$root/cmake/mingw-$flavour.cmake") ;;
  *) echo "build.sh: unknown flavour $flavour" >&2; exit 2 ;;
esac
echo "build: $flavour in $build"
cmake -S "$root" -B "$build" "${args[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)"
