#!/usr/bin/env bash
# Sets up, builds everything (native core, x86_64 and i686 Windows builds) and
# runs every test: the native core with sanitizers, then the x86_64 and the
# i686 builds under Wine and Xvfb. Exits non-zero when anything fails.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/tools/setup.sh" || exit 1

failed=0
passed_total=0
failed_total=0

# Runs ctest in one build folder (optionally through a wrapper) and adds its
# counts to the totals.
run_ctest() {
  local build=$1; shift
  local log="$build/ctest.log"
  "$@" ctest --test-dir "$build" --output-on-failure --timeout 300 2>&1 | tee "$log"
  local status=${PIPESTATUS[0]}
  local summary
  summary=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
  if [ -n "$summary" ]; then
    local total bad
    total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$summary")
    bad=$(sed -E 's/.* ([0-9]+) tests? failed.*/\1/' <<<"$summary")
    passed_total=$((passed_total + total - bad))
    failed_total=$((failed_total + bad))
  fi
  [ "$status" -eq 0 ] || failed=1
}

for flavour in native x86_64 i686; do
  bash "$root/tools/build.sh" "$flavour" || { echo "test: the $flavour build failed"; failed=1; }
done

echo "test: native core tests (AddressSanitizer, UBSan)"
[ -f "$root/build/native/CTestTestfile.cmake" ] && run_ctest "$root/build/native"

builds_run="native"
for flavour in x86_64 i686; do
  build="$root/build/$flavour"
  [ -f "$build/CTestTestfile.cmake" ] || continue
  if [ "$flavour" = i686 ] && ! dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q "install ok installed"; then
    echo "test: no 32-bit Wine (wine32:i386): the i686 tests are not run"
    builds_run="$builds_run, i686 NOT RUN (no wine32)"
    continue
  fi
  echo "test: $flavour Windows tests under Wine and Xvfb"
  run_ctest "$build" "$root/tools/wine-session.sh" "$build"
  builds_run="$builds_run, $flavour"
done

[ "$failed" -ne 0 ] && echo "test: FAILED (see above)"
echo "test: builds tested: $builds_run"
echo "summary: $passed_total passed, $failed_total failed"
exit $failed
