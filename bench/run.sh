#!/usr/bin/env bash
# Interpreter benchmark: runs each script of bench/scripts through scriptrun,
# natively (Release, no sanitizers) and under Wine (the x86_64 and the i686
# builds), and the same work in python3 where it is on the machine. Prints the
# script lines run per second and the ratio of our time to python3's.
#
#   bash bench/run.sh [--quick]
#
# A script holds "{N}" for its iteration count and a first line
# "; lines per iteration: K". Every runner runs N iterations: Wine's start-up
# (0.1 to 0.7 s, varying) would swamp fewer.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bench="$root/bench"
n_native=1000000
n_wine=1000000
[ "${1:-}" = "--quick" ] && { n_native=100000; n_wine=100000; }

bash "$root/tools/setup.sh" >/dev/null || exit 1
# Wine needs a display: Xvfb when there is none.
if [ -z "${DISPLAY:-}" ] && [ -z "${QM_IN_XVFB:-}" ]; then
  export QM_IN_XVFB=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bash "$0" "$@"
fi
native="$root/build/bench-native"
cmake -S "$root" -B "$native" -DCMAKE_BUILD_TYPE=Release -DQM_SANITIZE=OFF >/dev/null || exit 1
cmake --build "$native" -j"$(nproc)" --target scriptrun >/dev/null || exit 1
for flavour in x86_64 i686; do
  bash "$root/tools/build.sh" "$flavour" >/dev/null || exit 1
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

now() { date +%s.%N; }
# Seconds that a command takes.
seconds() {
  local start end
  start=$(now)
  "$@" >/dev/null 2>&1 || echo "bench: failed: $*" >&2
  end=$(now)
  awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", b - a }'
}
# a / b, printed with the given number of decimals.
divide() { awk -v a="$1" -v b="$2" -v d="$3" 'BEGIN { if (b <= 0) b = 0.001; printf "%.*f", d, a / b }'; }

run_wine() {
  local build=$1 script=$2
  WINEPREFIX="$build/wineprefix" seconds wine "$build/tests/scriptrun.exe" "$script"
}

# One Wine session for all the Wine runs, so that start-up is paid once.
export WINEDEBUG=-all WINEARCH=win64 WINEDLLOVERRIDES="mscoree,mshtml="
for flavour in x86_64 i686; do
  prefix="$root/build/$flavour/wineprefix"
  mkdir -p "$prefix"
  WINEPREFIX="$prefix" wineserver -p
  WINEPREFIX="$prefix" wine wineboot -u >/dev/null 2>&1
done

# Start-up of each runner, measured on an empty script (the least of three
# runs) and taken off every figure: the rates are the interpreter's, not the
# process start's.
: >"$work/empty.txt"
: >"$work/empty.py"
least() { printf '%s\n' "$@" | sort -g | head -n 1; }
start_native=$(least "$(seconds "$native/tests/scriptrun" "$work/empty.txt")" \
  "$(seconds "$native/tests/scriptrun" "$work/empty.txt")" "$(seconds "$native/tests/scriptrun" "$work/empty.txt")")
start_x64=$(least "$(run_wine "$root/build/x86_64" "$work/empty.txt")" \
  "$(run_wine "$root/build/x86_64" "$work/empty.txt")" "$(run_wine "$root/build/x86_64" "$work/empty.txt")")
start_x86=$(least "$(run_wine "$root/build/i686" "$work/empty.txt")" \
  "$(run_wine "$root/build/i686" "$work/empty.txt")" "$(run_wine "$root/build/i686" "$work/empty.txt")")
command -v python3 >/dev/null && start_py=$(least "$(seconds python3 "$work/empty.py")" \
  "$(seconds python3 "$work/empty.py")" "$(seconds python3 "$work/empty.py")")
# Seconds of work: the run less its runner's start-up.
work_seconds() { awk -v t="$1" -v s="$2" 'BEGIN { w = t - s; if (w < 0.001) w = 0.001; printf "%.3f", w }'; }

printf '%-10s %14s %14s %14s %14s %8s %8s\n' script "native l/s" "x86_64 l/s" "i686 l/s" "python3 l/s" "ratio" "wine/nat"
for script in "$bench"/scripts/*.txt; do
  name=$(basename "$script" .txt)
  per=$(sed -n '1s/.*lines per iteration: *\([0-9]*\).*/\1/p' "$script")
  sed "s/{N}/$n_native/" "$script" >"$work/$name-native.txt"
  sed "s/{N}/$n_wine/" "$script" >"$work/$name-wine.txt"
  lines_native=$((per * n_native)); lines_wine=$((per * n_wine))
  t_native=$(work_seconds "$(seconds "$native/tests/scriptrun" "$work/$name-native.txt")" "$start_native")
  t_x64=$(work_seconds "$(run_wine "$root/build/x86_64" "$work/$name-wine.txt")" "$start_x64")
  t_x86=$(work_seconds "$(run_wine "$root/build/i686" "$work/$name-wine.txt")" "$start_x86")
  r_native=$(divide $lines_native "$t_native" 0)
  r_x64=$(divide $lines_wine "$t_x64" 0); r_x86=$(divide $lines_wine "$t_x86" 0)
  if command -v python3 >/dev/null; then
    t_py=$(work_seconds "$(seconds python3 "$bench/python/$name.py" $n_native)" "$start_py")
    r_py=$(divide $lines_native "$t_py" 0)
    ratio=$(divide "$t_native" "$t_py" 2)
  else
    r_py="-"; ratio="-"
  fi
  slower=$(divide "$r_native" "$r_x64" 2)
  printf '%-10s %14s %14s %14s %14s %8s %8s\n' "$name" "$r_native" "$r_x64" "$r_x86" "$r_py" "$ratio" "$slower"
done
for flavour in x86_64 i686; do
  WINEPREFIX="$root/build/$flavour/wineprefix" wineserver -k 2>/dev/null
done
for flavour in x86_64 i686; do
  exe="$root/build/$flavour/app/Quillmark.exe"
  [ -f "$exe" ] && printf 'Quillmark.exe (%s): %s bytes\n' "$flavour" "$(stat -c %s "$exe")"
done
echo "start-up taken off: native ${start_native}s, x86_64 ${start_x64}s, i686 ${start_x86}s, python3 ${start_py:-}s"
echo "ratio: native time / python3 time for the same work (1.0 or less: as fast as python3)"
echo "wine/nat: native rate / x86_64 Wine rate (1.5 or less: within the target)"
