#!/usr/bin/env bash
# Installs what the build needs, builds everything, and runs every test: once in a normal build,
# once under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

# The Windows zip, cross-built; under Wine its resources and texts, the game in a real window,
# records through the runner.
zip=$(./scripts/windows.sh | tail -n 1)
tests/windows/wine_test.sh "$zip" build-win64/brunival-headless.exe build/brunival-headless \
  build-win64/artefacts
# The same runner scripts through the Linux and the Windows runner: the same states and bytes.
wine_prefix=$(mktemp -d)
WINEPREFIX=$wine_prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
  tests/ports/compare_runners.sh -- wine build-win64/brunival-headless.exe
# Replays recorded on Linux verify under Wine and Node.js, which record the same bytes.
WINEPREFIX=$wine_prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
  python3 tests/e2e/replay_runners.py --data build/data --reference build/brunival-headless \
  -- wine build-win64/brunival-headless.exe
# In the same prefix: the hall of fame while another program holds its store open.
WINEPREFIX=$wine_prefix tests/windows/store_lock_test.sh build-win64/brunival-headless.exe build/data
rm -rf "$wine_prefix"
# The browser build: the Node.js runner must give the Linux runner's states, store and screenshots
# byte for byte; the page is played in headless Chromium and Firefox ESR in real time with real
# key, touch and game-pad input (puppeteer-core, which brings no browser of its own).
./scripts/web.sh --build-only
version=$(build/brunival-headless --version)
[ "$(node build-web/brunival-headless.js --version)" = "$version" ] ||
  { echo "FAIL: the Node.js runner's --version differs from '$version'"; exit 1; }
tests/ports/compare_runners.sh -- node build-web/brunival-headless.js
python3 tests/e2e/replay_runners.py --data build/data --reference build/brunival-headless \
  -- node build-web/brunival-headless.js
(cd tests/web && npm ci --no-audit --no-fund --loglevel=error)
node tests/web/browser_test.mjs build-web/site chrome firefox

# Every fuzz target runs briefly over its corpus (clang, ASan+UBSan; longer runs: fuzz-smoke.sh N).
./scripts/fuzz-smoke.sh 20

# The sanitized build skips the benchmarks (timings under ASan mean nothing).
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBRUNIVAL_SANITIZE=ON \
  -DBRUNIVAL_BENCH=OFF
cmake --build build-asan -j "$jobs"
ctest --test-dir build-asan --output-on-failure -j "$jobs"
