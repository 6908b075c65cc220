#!/usr/bin/env bash
# Installs the Debian packages the game and its tests need, when any is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  libsdl2-dev libsdl2-ttf-dev libfluidsynth-dev libfontconfig-dev
  timgm6mb-soundfont fonts-ipafont-gothic fonts-ipafont-mincho fonts-dejavu-core
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xdotool x11-utils imagemagick procps libx11-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${missing[@]}" >/dev/null
else
  echo "Some packages are missing. Run this once, then try again:"
  echo "  sudo apt-get install -y ${missing[*]}"
  exit 1
fi
