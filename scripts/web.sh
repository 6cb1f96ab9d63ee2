#!/usr/bin/env bash
# Builds the game for the browser into build-web/site/ and serves it at
# http://127.0.0.1:${PORT:-8000}/. With --build-only it builds and stops. Only what changed is
# rebuilt: the libraries come from the dependency cache, the data set from the native build.
set -euo pipefail
cd "$(dirname "$0")/.."
serve=1
case ${1:-} in
  --build-only) serve=0 ;;
  "") ;;
  *)
    echo "usage: $0 [--build-only]" >&2
    exit 2
    ;;
esac
./scripts/install-deps.sh
jobs=${BRUNIVAL_JOBS:-$(nproc)}
export NODE_PATH=/usr/share/nodejs # Emscripten's tools need Debian's acorn
# Emscripten 3.1.6 output under a Node.js with fetch (18 and later) tries to fetch local paths.
export NODE_OPTIONS=--no-experimental-fetch

# The data set and the icon are made by the native tools.
[ -f build/CMakeCache.txt ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs" --target assets icons brunival-headless

prefix=$(./scripts/build-deps.sh emscripten | tail -n 1)
cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/toolchains/emscripten.cmake" -DBRUNIVAL_DEPS_PREFIX="$prefix" \
  -DBRUNIVAL_DATA_DIR="$PWD/build/data" -DBRUNIVAL_ICON_DIR="$PWD/build/packaging/icons" \
  >/dev/null
cmake --build build-web -j "$jobs"
echo "The site is in build-web/site/"

if ((serve)); then
  port=${PORT:-8000}
  echo "Serving it at http://127.0.0.1:$port/ (Ctrl+C stops)"
  exec python3 -m http.server --bind 127.0.0.1 --directory build-web/site "$port"
fi
