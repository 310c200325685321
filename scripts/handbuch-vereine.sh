#!/usr/bin/env bash
# Takes the pictures of the manual page "Vereine" (src/app/help/vereine.html)
# on the demo data set: the club selection, each page of the club editor and
# the list of amateur clubs. V3_BUILD_DIR names another build tree than build/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${V3_BUILD_DIR:-$root/build}"
cmake --build "$build" -j2 --target v3guitests
V3_HANDBUCH_BILDER="$root/src/app/help" QT_QPA_PLATFORM=offscreen \
  "$build/tests/v3guitests" --gtest_filter='VereinsauswahlGui.HandbuchBilder'
