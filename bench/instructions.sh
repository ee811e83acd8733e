#!/usr/bin/env bash
# Machine instructions per iteration of each benchmark script, counted by
# valgrind's callgrind in the native Release build (exact and repeatable, unlike
# the rates of bench/run.sh). The count of an empty script is taken off.
#
#   bash bench/instructions.sh [iterations [script...]]
#
# Iterations default to 20000; the scripts to those of bench/scripts.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
n=${1:-20000}
shift $(($# > 0 ? 1 : 0))
scripts=("$@")
[ ${#scripts[@]} -gt 0 ] || scripts=("$root"/bench/scripts/*.txt)
native="$root/build/bench-native"
cmake -S "$root" -B "$native" -DCMAKE_BUILD_TYPE=Release -DQM_SANITIZE=OFF >/dev/null || exit 1
cmake --build "$native" -j3 --target scriptrun >/dev/null || exit 1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Instructions that one run of the script takes.
count() {
  valgrind --tool=callgrind --callgrind-out-file="$work/out" "$native/tests/scriptrun" "$1" >/dev/null 2>"$work/err" ||
    echo "instructions: failed: $1" >&2
  sed -n 's/.*Collected : *\([0-9]*\).*/\1/p' "$work/err"
}

: >"$work/empty.txt"
empty=$(count "$work/empty.txt")
printf '%-10s %12s\n' script "per iteration"
for script in "${scripts[@]}"; do
  name=$(basename "$script" .txt)
  sed "s/{N}/$n/" "$script" >"$work/$name.txt"
  total=$(count "$work/$name.txt")
  printf '%-10s %12d\n' "$name" $(((total - empty) / n))
done
