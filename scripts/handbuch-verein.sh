#!/usr/bin/env bash
# Takes the pictures of the manual page "Trikots, Wappen, Landkarte und Stadion"
# (src/app/help/trikots.html) from the pages and dialogs on the demo data set:
# the kit page and the crest page in a club editor's sheet, the stadium editor
# and the national teams' kit editor. V3_BUILD_DIR names another build tree than build/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${V3_BUILD_DIR:-$root/build}"
cmake --build "$build" -j2 --target v3guitests
V3_HANDBUCH_BILDER="$root/src/app/help" QT_QPA_PLATFORM=offscreen \
  "$build/tests/v3guitests" --gtest_filter='VereinGui.HandbuchBilder'
