#!/usr/bin/env bash
# Installs what is missing, builds the game and its data files, and starts the 800x600 game.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install_deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build
exec build/bin/game800 "$@"
