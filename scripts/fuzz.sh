#!/usr/bin/env bash
# Builds the libFuzzer targets with clang-14 and runs each for the given number
# of seconds (default 60). A finding stops the run with a non-zero status and
# leaves the crashing input in build-fuzz/findings/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
seconds="${1:-60}"
cmake -S . -B build-fuzz -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
  -DV3_FUZZ=ON -DV3_BUILD_GUI=OFF -DV3_BUILD_TESTS=OFF -DV3_WERROR=ON > build-fuzz.configure.log 2>&1 \
  || { cat build-fuzz.configure.log; exit 1; }
# Only the fuzz targets and what they link.
targets=$(cd fuzz && ls fuzz_*.cpp | sed 's/\.cpp$//')
cmake --build build-fuzz -j2 --target $targets
mkdir -p build-fuzz/findings
for target in build-fuzz/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name="$(basename "$target")"
  corpus="build-fuzz/corpus/$name"
  mkdir -p "$corpus"
  seeds="fuzz/seeds/${name#fuzz_}"
  echo "-- $name: $seconds s"
  "$target" -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=2048 \
    -artifact_prefix=build-fuzz/findings/ "$corpus" $( [ -d "$seeds" ] && echo "$seeds" ) 2>&1 | tail -n 3
  test "${PIPESTATUS[0]}" -eq 0
done
