#!/usr/bin/env bash
# Builds everything and runs every test: the normal build with the Qt program,
# and the AddressSanitizer + UndefinedBehaviorSanitizer build of the core tests;
# with V3_FUZZ_SECONDS=N also a time-boxed run of every fuzz target.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
"$root/scripts/deps.sh"

# Both builds keep line tables only (-g1): enough for the backtraces of a
# crashed test and of the sanitizers, at a fraction of the compile time of full
# debug info. The sanitizer build at -O1, as the sanitizers are usually run.
echo "== Build und Tests"
scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DV3_BUILD_GUI=ON -DV3_BUILD_TESTS=ON -DV3_WERROR=ON \
  "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -g1 -DNDEBUG"
ctest --test-dir build --output-on-failure -j2

echo "== Build und Tests: ${SECONDS} s"
echo "== Sanitizer-Build (ASan + UBSan) der Tests"
scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DV3_SANITIZE=ON -DV3_BUILD_GUI=OFF -DV3_WERROR=ON \
  "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1 -DNDEBUG"
LSAN_OPTIONS=suppressions="$root/tests/lsan.supp" ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j2

echo "== Alle Tests bestanden nach ${SECONDS} s"

# Fuzzing is opt-in (it needs its own clang build): V3_FUZZ_SECONDS=15 scripts/test.sh
if [ "${V3_FUZZ_SECONDS:-0}" -gt 0 ]; then
  echo "== Fuzz-Kurzlauf (${V3_FUZZ_SECONDS} s je Ziel)"
  scripts/fuzz.sh "${V3_FUZZ_SECONDS}"
fi
