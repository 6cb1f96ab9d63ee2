#!/usr/bin/env bash
# Installs what is missing, builds the game and its data set, and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target brunival assets
# The game looks for its data files in the working directory.
cd build/data
exec ../brunival
