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
echo "Built everything, but the game window is not there yet. The game core, the data files"
echo "and the tools are built: play without a window with build/bin/tilvora-sim, for example"
echo "  printf 'newgame build/game/data/dictionaries/English.tvd\\nstate\\n' | build/bin/tilvora-sim"
