#!/usr/bin/env bash
# Builds the desktop program and starts it on an installation directory: the
# one given with --dir DIR, or else the demo installation in demo/ of the
# repository, which is written on the first run (v3tool demo).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh"
"$root/scripts/build.sh" "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DV3_BUILD_GUI=ON -DV3_BUILD_TESTS=ON

dir=""
args=()
while [ $# -gt 0 ]; do
  case "$1" in
    --dir) dir="$2"; shift 2 ;;
    --dir=*) dir="${1#--dir=}"; shift ;;
    *) args+=("$1"); shift ;;
  esac
done

if [ -z "$dir" ]; then
  dir="$root/demo"
  if [ ! -d "$dir/DATA.V3" ]; then
    echo "Erzeuge die Demo-Installation in $dir ..."
    "$root/build/tools/v3tool" demo "$dir"
  fi
fi
dir="$(cd "$dir" && pwd)"

cd "$dir"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Kein Bildschirm gefunden (DISPLAY ist leer): der Editor läuft in einem virtuellen X-Server (xvfb-run)."
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$root/build/src/voltaro3-editor" --dir "$dir" ${args[@]+"${args[@]}"}
fi
exec "$root/build/src/voltaro3-editor" --dir "$dir" ${args[@]+"${args[@]}"}
