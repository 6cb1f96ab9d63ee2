#!/usr/bin/env bash
# Installs what the build needs, builds, and runs every test (also under ASan+UBSan).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
ctest --test-dir build --output-on-failure
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBRUNIVAL_SANITIZE=ON -DBRUNIVAL_BENCH=OFF
cmake --build build-asan
ctest --test-dir build-asan --output-on-failure
