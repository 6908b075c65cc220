#!/usr/bin/env bash
# Installs the Debian packages that are missing. `install_deps.sh play` (the default) installs what
# building and playing the game needs; `install_deps.sh test` adds the tools of the tests, benchmarks
# and fuzzers. Written for Debian 12 (bookworm).
set -euo pipefail

# The compiler and build tools, the game's run-time libraries with their headers, the soundfont and
# the fonts of the ending's credit lines.
play_packages=(
  build-essential cmake ninja-build pkg-config
  libsdl2-dev libsdl2-ttf-dev libfluidsynth-dev libfontconfig-dev libxcb1-dev
  timgm6mb-soundfont fonts-ipafont-gothic fonts-ipafont-mincho fonts-dejavu-core
)
# GoogleTest and Google Benchmark; clang and its sanitizer runtime for the fuzzers; a virtual X display,
# key presses, window queries, screenshots, process states and stack dumps for the real-window tests.
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xdotool x11-utils imagemagick procps gdb libx11-dev
)

case "${1:-play}" in
  play) packages=("${play_packages[@]}") ;;
  test) packages=("${play_packages[@]}" "${test_packages[@]}") ;;
  *)
    echo "usage: $0 [play|test]" >&2
    exit 2
    ;;
esac

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
