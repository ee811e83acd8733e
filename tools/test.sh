#!/usr/bin/env bash
# Sets up, builds everything (native core, x86_64 and i686 Windows builds) and
# runs every test: the native core with sanitizers, then the x86_64 and the
# i686 builds side by side under Wine and Xvfb. Exits non-zero when anything
# fails.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/tools/setup.sh" || exit 1

failed=0
passed_total=0
failed_total=0

# Runs ctest in one build folder (optionally through a wrapper) into the
# folder's ctest.log, and its exit status into ctest.status.
run_ctest() {
  local build=$1; shift
  "$@" ctest --test-dir "$build" --output-on-failure --timeout 300 >"$build/ctest.log" 2>&1
  echo $? >"$build/ctest.status"
}

# Prints one build folder's ctest output and adds its counts to the totals.
report_ctest() {
  local build=$1
  local log="$build/ctest.log"
  cat "$log"
  local summary
  summary=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
  if [ -n "$summary" ]; then
    local total bad
    total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$summary")
    bad=$(sed -E 's/.* ([0-9]+) tests? failed.*/\1/' <<<"$summary")
    passed_total=$((passed_total + total - bad))
    failed_total=$((failed_total + bad))
  fi
  [ "$(cat "$build/ctest.status" 2>/dev/null)" = 0 ] || failed=1
}

for flavour in native x86_64 i686; do
  bash "$root/tools/build.sh" "$flavour" || { echo "test: the $flavour build failed"; failed=1; }
done

echo "test: native core tests (AddressSanitizer, UBSan)"
if [ -f "$root/build/native/CTestTestfile.cmake" ]; then
  run_ctest "$root/build/native"
  report_ctest "$root/build/native"
fi

# The two Windows builds run side by side, each in a Wine session and an Xvfb
# display of its own; their outputs are printed one after the other.
builds_run="native"
wine_builds=()
for flavour in x86_64 i686; do
  build="$root/build/$flavour"
  [ -f "$build/CTestTestfile.cmake" ] || continue
  if [ "$flavour" = i686 ] && ! dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q "install ok installed"; then
    echo "test: no 32-bit Wine (wine32:i386): the i686 tests are not run"
    builds_run="$builds_run, i686 NOT RUN (no wine32)"
    continue
  fi
  rm -f "$build/ctest.status"
  QM_XVFB_FROM=$([ "$flavour" = i686 ] && echo 199 || echo 99) \
    run_ctest "$build" "$root/tools/wine-session.sh" "$build" &
  wine_builds+=("$flavour")
done
wait
for flavour in "${wine_builds[@]}"; do
  echo "test: $flavour Windows tests under Wine and Xvfb"
  report_ctest "$root/build/$flavour"
  builds_run="$builds_run, $flavour"
done

[ "$failed" -ne 0 ] && echo "test: FAILED (see above)"
echo "test: builds tested: $builds_run"
echo "summary: $passed_total passed, $failed_total failed"
exit $failed
