#!/usr/bin/env bash
# Takes the README's screenshot: builds the program, writes the demo
# installation when it is missing, starts the editor on it in a virtual X
# server and lets the program grab its own main window while the title
# animation shows a picture. Usage: screenshot.sh [FILE] (default docs/hauptfenster.png);
# V3_BUILD_DIR names another build tree than build/.
#   screenshot.sh FILE HANDLER [OFFER]   takes the editor that the menu entry HANDLER
#   opens (a handler of src/shell/MenuCommands.cpp), its chooser answered with
#   offer OFFER (default 0): the pictures of the manual's pages.
#   screenshot.sh FILE HANDLER OFFER BUTTON   presses the editor's button of object
#   name BUTTON first and takes the dialog it opens.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$root/docs/hauptfenster.png}"
"$root/scripts/deps.sh"
build="${V3_BUILD_DIR:-$root/build}"
"$root/scripts/build.sh" "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DV3_BUILD_GUI=ON -DV3_BUILD_TESTS=ON
demo="$root/demo"
[ -d "$demo/DATA.V3" ] || "$build/tools/v3tool" demo "$demo"
mkdir -p "$(dirname "$out")"
if [ -n "${2:-}" ]; then
  xvfb-run -a -s "-screen 0 1024x768x24" \
    "$build/src/voltaro3-editor" --dir "$demo" --screenshot "$out" --screenshot-menu "$2" --screenshot-wahl "${3:-0}" \
    ${4:+--screenshot-knopf "$4"}
else
  # Picture 1 of the animation: the ball with its trail over the pitch.
  xvfb-run -a -s "-screen 0 1024x768x24" \
    "$build/src/voltaro3-editor" --dir "$demo" --screenshot "$out" --screenshot-bild 1
fi
echo "Bildschirmfoto: $out"
