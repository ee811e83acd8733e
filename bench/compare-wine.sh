#!/usr/bin/env bash
# Times the benchmark scripts through several scriptrun.exe builds under
# Wine, their runs interleaved so that a change in the machine's load falls
# on all of them alike: processor seconds of work for each script and build,
# the best of the runs less the best run of an empty script. Run it inside a Wine
# session (tools/wine-session.sh), with exes copied aside before a change:
#
#   bash bench/compare-wine.sh [-n ITERATIONS] [-r RUNS] NAME=EXE...
#
# 32-bit and 64-bit exes may be mixed.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
n=1000000
runs=3
while getopts n:r: option; do
  case $option in
    n) n=$OPTARG ;;
    r) runs=$OPTARG ;;
    *) exit 2 ;;
  esac
done
shift $((OPTIND - 1))
[ $# -gt 0 ] || { echo "usage: compare-wine.sh [-n ITERATIONS] [-r RUNS] NAME=EXE..." >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
: >"$work/empty.txt"
for script in "$root"/bench/scripts/*.txt; do
  sed "s/{N}/$n/" "$script" >"$work/$(basename "$script")"
done

# The loader that runs the exe in its own process: "wine" starts a 64-bit
# exe as a process apart, whose processor time it never sees.
loader() {
  if file -b "$1" | grep -q x86-64; then echo /usr/lib/wine/wine64; else echo wine; fi
}

# Processor seconds (user and system) of one run: less swayed by other work
# on the machine than the time on the clock.
seconds() {
  local times
  times=$( { TIMEFORMAT='%U %S'; time "$(loader "$1")" "$1" "$2" >/dev/null 2>&1 || echo "compare: failed: $*" >&2; } 2>&1)
  awk -v t="$times" 'BEGIN { split(t, f, " "); printf "%.3f", f[1] + f[2] }'
}

# best[NAME:SCRIPT]: the least seconds seen.
declare -A best
scripts=(empty $(cd "$root/bench/scripts" && ls *.txt | sed 's/\.txt$//'))
for ((round = 0; round < runs; ++round)); do
  for script in "${scripts[@]}"; do
    for build in "$@"; do
      name=${build%%=*}
      t=$(seconds "${build#*=}" "$work/$script.txt")
      key="$name:$script"
      if [ -z "${best[$key]:-}" ] || awk -v a="$t" -v b="${best[$key]}" 'BEGIN { exit !(a < b) }'; then
        best[$key]=$t
      fi
    done
  done
done

printf '%-10s' script
for build in "$@"; do printf ' %12s' "${build%%=*}"; done
printf '\n'
for script in "${scripts[@]:1}"; do
  printf '%-10s' "$script"
  for build in "$@"; do
    name=${build%%=*}
    awk -v t="${best[$name:$script]}" -v s="${best[$name:empty]}" 'BEGIN { w = t - s; if (w < 0.001) w = 0.001; printf " %12.3f", w }'
  done
  printf '\n'
done
printf '%-10s' "(start-up)"
for build in "$@"; do printf ' %12s' "${best[${build%%=*}:empty]}"; done
printf '\n'
