#!/usr/bin/env bash
# Installs what is missing, builds the two programs and their data files (not the tests, benchmarks
# and fuzzers: ./test.sh builds those), and starts the 800x600 game.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install_deps.sh play
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DQV_BUILD_TESTS=OFF >/dev/null
cmake --build build --target game800 game640 game_data
echo "Starting QUENDRAVOLT (800x600; build/bin/game640 is the 640x480 game). Esc quits."
exec build/bin/game800 "$@"
