#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the program need,
# when they are missing. Needs root (or sudo) only when something is missing.
set -euo pipefail

PACKAGES=(
  cmake make g++ pkg-config
  qt6-base-dev qt6-multimedia-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang-14 libclang-rt-14-dev
  libfreetype-dev libfontconfig-dev fonts-liberation2 fonts-dejavu-core
  libjpeg62-turbo-dev
  xvfb xauth
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installiere fehlende Pakete: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
