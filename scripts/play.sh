#!/usr/bin/env bash
# Builds Tilvora with its shipped data and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
if [ -x build/game/tilvora ]; then
    exec build/game/tilvora "$@"
fi
echo "Built everything. The game window is not there yet: the game core, its tools and"
echo "the data files are built; try the headless driver build/bin/tilvora-sim once it exists."
