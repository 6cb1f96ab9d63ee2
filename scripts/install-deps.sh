#!/usr/bin/env bash
# Installs the Debian packages the build, the game and the tests need; does nothing when all are there.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config git
  libsdl2-dev libopenmpt-dev libjpeg62-turbo-dev libpng-dev nlohmann-json3-dev
  libfreetype-dev fonts-dejavu-core
  libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
  xvfb xdotool openbox imagemagick x11-utils
  desktop-file-utils appstream groff-base valgrind
  emscripten chromium chromium-driver python3-selenium
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages: ${missing[*]} (run as root, or install them yourself)" >&2
    exit 1
  fi
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
