#!/usr/bin/env bash
# Configures and builds one build tree. Usage: build.sh DIR [cmake options...]
# Where ccache is installed (a developer's machine) it caches the compiles;
# V3_NO_CCACHE=1 turns it off, as for measuring a clean build.
set -euo pipefail
cd "$(dirname "$0")/.."
dir="$1"; shift
launcher=()
if [ -z "${V3_NO_CCACHE:-}" ] && command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$dir" -G "Unix Makefiles" "${launcher[@]}" "$@" > "$dir.configure.log" 2>&1 || { cat "$dir.configure.log"; exit 1; }
cmake --build "$dir" -j2
