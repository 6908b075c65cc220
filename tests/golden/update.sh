#!/usr/bin/env bash
# Rewrites the golden traces under tests/golden/800 and tests/golden/640 from the current game: builds
# the two golden test programs (Release, in build/ unless BUILD_DIR says otherwise) and runs every golden
# run with QV_GOLDEN_UPDATE=1, each in a process of its own as ctest runs them. Then it checks the new
# files once more and shows what changed. Review `git diff tests/golden` like code before committing.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="${BUILD_DIR:-$root/build}"
cd "$root"

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target golden_tests_800 golden_tests_640 game_data
# Runs deleted from the list leave no stale file behind.
rm -f tests/golden/800/*.trace tests/golden/640/*.trace
QV_GOLDEN_UPDATE=1 ctest --test-dir "$build" -L golden -j "$(nproc)" --output-on-failure
ctest --test-dir "$build" -L golden -j "$(nproc)" --output-on-failure
git --no-pager diff --stat -- tests/golden
